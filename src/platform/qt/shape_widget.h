#pragma once

#include <QWidget>

namespace platform::qt {

// A shape: a rounded rectangle, white inside with a black outline.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform::qt
