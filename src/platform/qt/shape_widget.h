#pragma once

#include "form/control.h"

#include <QImage>
#include <QWidget>

namespace platform::qt {

// A shape: a rounded rectangle or a circle, with the outline and fill the
// model gives it (by default white inside with a black outline).
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {}
    void setLook(const form::ShapeStyle& style, form::Colour fill);
    // Shown or not as the model says, while the widget itself stays on: the
    // key marker moves on every keystroke, and showing a widget costs Qt a
    // query of the pointer and a second repaint of the place.
    void setShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static const QImage* keepableTarget(const QPainter& painter, const QPaintEvent& event,
                                        const QRect& onTarget);
    static bool samePixels(const QImage& target, QPoint at, const QImage& kept);
    void drawShape(QPainter& painter) const;

    // The last shape drawn, where and on which pixels: the key marker comes
    // back onto the same key as it was, and its antialiased outline costs
    // more to draw than the key beneath it.
    struct Kept {
        QRect area;
        QImage under;
        QImage drawn;
    };
    Kept kept_;
    form::ShapeStyle style_;
    form::Colour fill_ = 0xFFFFFF;
    bool shown_ = true;
};

} // namespace platform::qt
