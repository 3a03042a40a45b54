#include "platform/qt/group_box_widget.h"

#include "platform/qt/paint_target.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <numeric>

namespace platform::qt {
namespace {

// A repaint larger than this (a screen shown, a resize) draws the frame
// directly, in one go: it seldom comes back to the same place.
constexpr qint64 kLargestRepaint = 64 * 1024;
// The pixels kept for one box; past them the pieces start over.
constexpr qint64 kKeptPixels = 160 * 1024;
// A band of rows kept in one piece: a few fit the budget.
constexpr qint64 kLargestBand = kKeptPixels / 4;

} // namespace

void GroupBoxWidget::paintEvent(QPaintEvent* event) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    forgetIfChanged(option);
    const QRegion& region = event->region();
    QStylePainter painter(this);
    // The title's text stays in the option: the frame is placed by it.
    if (region.intersects(title_)) {
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
        return;
    }
    option.subControls &= ~QStyle::SC_GroupBoxLabel;
    const qint64 pixels =
        std::accumulate(region.begin(), region.end(), qint64{0},
                        [](qint64 sum, const QRect& area) { return sum + pixelsOf(area); });
    if (pixels > kLargestRepaint) {
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
        return;
    }
    for (const QRect& area : region) {
        const Piece& piece = framePiece(option, area);
        const qreal ratio = piece.frame.devicePixelRatio();
        painter.drawPixmap(QRectF(area), piece.frame,
                           QRectF(QPointF(area.topLeft() - piece.area.topLeft()) * ratio,
                                  QSizeF(area.size()) * ratio));
    }
}

// What to draw for a part: a box within the budget whole, once; a larger one
// in the band of rows across it, while a band is small. A progress bar's fill
// end moves along its rows and would want a new piece every time.
QRect GroupBoxWidget::pieceAround(const QRect& area) const {
    if (pixelsOf(rect()) <= kKeptPixels) {
        return rect();
    }
    const QRect band(0, area.top(), width(), area.height());
    return pixelsOf(band) <= kLargestBand ? band : area;
}

void GroupBoxWidget::forgetIfChanged(const QStyleOptionGroupBox& option) {
    Looks now{option.rect.size(),        option.text,      font(),
              option.palette.cacheKey(), option.state,     option.features,
              option.textAlignment,      option.lineWidth, style(),
              devicePixelRatioF()};
    if (now == looks_) {
        return;
    }
    looks_ = std::move(now);
    title_ = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    pieces_.clear();
    piecePixels_ = 0;
}

// The frame as drawn over an area holding `area`, the box's own pixels only:
// put back over what lies beneath, it is the same as the frame drawn there
// directly.
const GroupBoxWidget::Piece& GroupBoxWidget::framePiece(const QStyleOptionGroupBox& box,
                                                        const QRect& area) {
    for (const Piece& piece : pieces_) {
        if (piece.area.contains(area)) {
            return piece;
        }
    }
    const QRect drawnArea = pieceAround(area);
    if (piecePixels_ + pixelsOf(drawnArea) > kKeptPixels) {
        pieces_.clear();
        piecePixels_ = 0;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap drawn(drawnArea.size() * ratio);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    {
        // The style's painter, with its smooth scaling, as for the box itself.
        QStylePainter painter(&drawn, this);
        painter.translate(-drawnArea.topLeft());
        painter.drawComplexControl(QStyle::CC_GroupBox, box);
    }
    piecePixels_ += pixelsOf(drawnArea);
    return pieces_.emplace_back(Piece{drawnArea, std::move(drawn)});
}

} // namespace platform::qt
