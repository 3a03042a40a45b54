#pragma once

#include "form/control.h"

#include <QWidget>

namespace platform::qt {

// A shape: a rounded rectangle or a circle, with the outline and fill the
// model gives it (by default white inside with a black outline).
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {}
    void setLook(const form::ShapeStyle& style, form::Colour fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    form::ShapeStyle style_;
    form::Colour fill_ = 0xFFFFFF;
};

} // namespace platform::qt
