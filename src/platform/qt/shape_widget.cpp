#include "platform/qt/shape_widget.h"

#include <QPainter>
#include <algorithm>

namespace platform::qt {

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(outline.width(), outline.height()) / 4;
    painter.drawRoundedRect(outline, radius, radius);
}

} // namespace platform::qt
