#pragma once

#include <QGroupBox>

namespace platform::qt {

// A group box that draws its title only when the title is to be repainted:
// a counter inside the box changes on every keystroke, and each time the box
// beneath it is repainted, title and all, though the title lies elsewhere.
class GroupBoxWidget : public QGroupBox {
public:
    explicit GroupBoxWidget(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform::qt
