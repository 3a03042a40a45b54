#include "platform/qt/shape_widget.h"

#include "platform/qt/convert.h"
#include "platform/qt/paint_target.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace platform::qt {
namespace {

// The largest paint whose pixels are kept, twice (beneath and drawn): a key
// marker is far smaller, a large shape is drawn each time.
constexpr qint64 kKeptPixels = qint64{1} << 16;

} // namespace

void ShapeWidget::setLook(const form::ShapeStyle& style, form::Colour fill) {
    style_ = style;
    fill_ = fill;
    kept_ = {};
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

void ShapeWidget::paintEvent(QPaintEvent* event) {
    if (!shown_) {
        return;
    }
    QPainter painter(this);
    // A shape partly outside its parent paints only its visible part.
    const QRect area = event->region().boundingRect();
    const QRect onTarget = painter.deviceTransform().mapRect(area);
    const QImage* target = keepableTarget(painter, *event, onTarget);
    if (target != nullptr && kept_.area == area &&
        samePixels(*target, onTarget.topLeft(), kept_.under)) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(area.topLeft(), kept_.drawn);
        return;
    }
    const QImage under = target != nullptr ? target->copy(onTarget) : QImage();
    drawShape(painter);
    kept_ = target != nullptr ? Kept{area, under, target->copy(onTarget)} : Kept{};
}

// The target of a small paint of one rectangle, when its pixels there can be
// read and a copy put back exactly.
const QImage* ShapeWidget::keepableTarget(const QPainter& painter, const QPaintEvent& event,
                                          const QRect& onTarget) {
    const QImage* target = readableTarget(painter);
    if (target == nullptr || painter.deviceTransform().type() > QTransform::TxTranslate ||
        event.region().rectCount() != 1 || pixelsOf(onTarget) > kKeptPixels) {
        return nullptr;
    }
    return target->rect().contains(onTarget) ? target : nullptr;
}

// Whether the target holds `kept` at `at`: the shape is then drawn on the
// same pixels as before and comes out the same.
bool ShapeWidget::samePixels(const QImage& target, QPoint at, const QImage& kept) {
    if (kept.isNull() || kept.format() != target.format()) {
        return false;
    }
    const qsizetype bytes = qsizetype{kept.width()} * kept.depth() / 8;
    for (int y = 0; y < kept.height(); ++y) {
        const uchar* line = target.constScanLine(at.y() + y) + qsizetype{at.x()} * kept.depth() / 8;
        if (std::memcmp(line, kept.constScanLine(y), static_cast<std::size_t>(bytes)) != 0) {
            return false;
        }
    }
    return true;
}

void ShapeWidget::drawShape(QPainter& painter) const {
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
