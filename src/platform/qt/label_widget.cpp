#include "platform/qt/label_widget.h"

#include "platform/qt/repaint_held.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace platform::qt {
namespace {

// Characters left of the first changed one that are repainted as well, for
// a ligature or a contextual form reaching across the change.
constexpr qsizetype kContextCharacters = 3;
// Beginnings of captions whose width is kept.
constexpr qsizetype kKeptAdvances = 64;

// Text whose characters are laid out left to right, one after another.
bool simpleLine(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar ch) {
        return ch.unicode() >= u' ' && ch.unicode() < 0x0300 && ch.unicode() != 0x7F;
    });
}

} // namespace

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    // Plain text: a caption like "with any <key>." must not be taken for markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void LabelWidget::setCaption(const QString& caption) {
    const QString before = text();
    if (caption == before) {
        return;
    }
    const std::optional<int> from = isVisible() ? changesFrom(before, caption) : std::nullopt;
    if (!from) {
        setText(caption);
        return;
    }
    withRepaintHeld(*this, [this, &caption] { setText(caption); });
    update(QRect(*from, 0, width() - *from, height()));
}

std::optional<int> LabelWidget::changesFrom(const QString& before, const QString& after) {
    const bool leftAligned = (alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignLeft &&
                             layoutDirection() == Qt::LeftToRight;
    if (!leftAligned || wordWrap() || textFormat() != Qt::PlainText || !simpleLine(before) ||
        !simpleLine(after)) {
        return std::nullopt;
    }
    const auto differ = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    const qsizetype kept = (differ.second - after.begin()) - kContextCharacters;
    if (kept <= 0) {
        return std::nullopt;
    }
    // The text starts at the inside's left edge or, with a margin or an
    // indent, further right; a glyph's ink and its kerning with the next one
    // may reach back by part of the line's height.
    const double reach = QFontMetricsF(font()).height() / 2;
    const double from = contentsRect().left() + advanceOf(after.left(kept)) - reach;
    return std::max(0, static_cast<int>(std::floor(from)));
}

double LabelWidget::advanceOf(const QString& prefix) {
    if (advancesFont_ != font() || advances_.size() >= kKeptAdvances) {
        advances_.clear();
        advancesFont_ = font();
    }
    const auto found = advances_.constFind(prefix);
    if (found != advances_.constEnd()) {
        return *found;
    }
    return *advances_.insert(prefix, QFontMetricsF(font()).horizontalAdvance(prefix));
}

} // namespace platform::qt
