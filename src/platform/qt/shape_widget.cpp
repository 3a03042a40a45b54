#include "platform/qt/shape_widget.h"

#include "platform/qt/convert.h"

#include <QPainter>
#include <algorithm>

namespace platform::qt {

void ShapeWidget::setLook(const form::ShapeStyle& style, form::Colour fill) {
    style_ = style;
    fill_ = fill;
    update();
}

void ShapeWidget::setShown(bool shown) {
    if (shown == shown_) {
        return;
    }
    shown_ = shown;
    // Hidden, it lets clicks through to what lies below, as a hidden widget does.
    setAttribute(Qt::WA_TransparentForMouseEvents, !shown);
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    if (!shown_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The outline is drawn inside the widget, so a thick pen is not clipped.
    const qreal pen = std::max(1, style_.penWidth);
    const qreal room = std::min(width(), height());
    const qreal width = std::min(pen, room / 2);
    painter.setPen(QPen(toQColor(style_.pen), width));
    painter.setBrush(style_.filled ? QBrush(toQColor(fill_)) : Qt::NoBrush);
    const qreal inset = width / 2;
    if (style_.circle) {
        const QRectF square((this->width() - room) / 2 + inset, (height() - room) / 2 + inset,
                            room - width, room - width);
        painter.drawEllipse(square);
        return;
    }
    const QRectF outline = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const qreal radius = std::min(outline.width(), outline.height()) / 4;
    painter.drawRoundedRect(outline, radius, radius);
}

} // namespace platform::qt
