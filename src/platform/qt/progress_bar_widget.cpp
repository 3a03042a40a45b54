#include "platform/qt/progress_bar_widget.h"

#include "platform/qt/repaint_held.h"

#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <algorithm>
#include <cstdlib>

namespace platform::qt {
namespace {

// How far the style's drawing of a fill's end reaches to either side of it:
// the inner shadow, the rounded corner and their antialiasing.
constexpr int kEndReach = 6;
// Repaints cover whole columns of this width: the box beneath the bar keeps
// what it drew under each area it repainted, and the fill's end moves.
constexpr int kColumn = 32;

} // namespace

ProgressBarWidget::ProgressBarWidget(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
}

void ProgressBarWidget::showValue(int value) {
    if (value == this->value()) {
        return;
    }
    if (!painted_ || !isVisible() || !repaintsInPart()) {
        setValue(value);
        return;
    }
    withRepaintHeld(*this, [this, value] { setValue(value); });
    if (repaintWanted(*painted_)) {
        update(changedArea(*painted_, value));
    }
}

void ProgressBarWidget::paintEvent(QPaintEvent* event) {
    QProgressBar::paintEvent(event);
    // A repaint elsewhere in the bar leaves the old fill's end on the window.
    const QRect changed = painted_ ? changedArea(*painted_, value()) : rect();
    if (event->region().contains(changed)) {
        painted_ = value();
    }
}

// The drawing of the style this is known for, in the one direction the
// program uses.
bool ProgressBarWidget::repaintsInPart() const {
    return orientation() == Qt::Horizontal && !invertedAppearance() && !isTextVisible() &&
           layoutDirection() == Qt::LeftToRight && maximum() > minimum() && drawnInFusion(*this);
}

// QProgressBar's own test: a step too small to see waits until the fill has
// moved by a chunk.
bool ProgressBarWidget::repaintWanted(int painted) const {
    if (value() == painted) {
        return false;
    }
    if (value() == minimum() || value() == maximum()) {
        return true;
    }
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const qint64 chunk = style()->pixelMetric(QStyle::PM_ProgressBarChunkWidth, &option, this);
    const qint64 groove =
        style()->subElementRect(QStyle::SE_ProgressBarGroove, &option, this).width();
    const qint64 steps = qint64{maximum()} - minimum();
    return std::abs(qint64{value()} - painted) * groove > chunk * steps;
}

int ProgressBarWidget::fillEnd(int value) const {
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_ProgressBarContents, &option, this);
    const qint64 steps = qint64{maximum()} - minimum();
    const qint64 done = std::clamp(qint64{value}, qint64{minimum()}, qint64{maximum()}) - minimum();
    return contents.left() + static_cast<int>(done * contents.width() / steps);
}

QRect ProgressBarWidget::changedArea(int before, int after) const {
    const auto [left, right] = std::minmax({fillEnd(before), fillEnd(after)});
    const int from = std::max(0, left - kEndReach) / kColumn * kColumn;
    const int to = (std::max(0, right + kEndReach) / kColumn + 1) * kColumn;
    return QRect(from, 0, to - from, height()) & rect();
}

} // namespace platform::qt
