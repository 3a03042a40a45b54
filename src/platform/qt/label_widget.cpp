#include "platform/qt/label_widget.h"

#include "platform/qt/repaint_held.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace platform::qt {
namespace {

// Characters left of the first changed one that are repainted as well, for
// a ligature or a contextual form reaching across the change.
constexpr qsizetype kContextCharacters = 3;
// Beginnings of captions whose width is kept, and pairs of characters.
constexpr qsizetype kKeptAdvances = 64;
constexpr qsizetype kKeptPairs = 256;
// Places tried for a caption's end to start.
constexpr int kTailStarts = 3;

// Text whose characters are laid out left to right, one after another.
bool simpleLine(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar ch) {
        return ch.unicode() >= u' ' && ch.unicode() < kSimpleCharacters && ch.unicode() != 0x7F;
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
    tail_.reset();
    const std::optional<qsizetype> kept = isVisible() ? keptOf(before, caption) : std::nullopt;
    if (!kept) {
        setText(caption);
        return;
    }
    // The text starts at the inside's left edge or, with a margin or an
    // indent, further right; a glyph's ink and its kerning with the next one
    // may reach back by part of the line's height.
    const double reach = QFontMetricsF(font()).height() / 2;
    const int from =
        std::max(0, static_cast<int>(std::floor(contentsRect().left() +
                                                advanceOf(caption.left(*kept)) - reach)));
    tail_ = tailOf(caption, *kept, from);
    withRepaintHeld(*this, [this, &caption] { setText(caption); });
    update(QRect(from, 0, width() - from, height()));
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    const bool tailOnly = tail_ && tail_->caption == text() && tail_->font == font() &&
                          tail_->left == contentsRect().left() &&
                          event->rect().left() >= tail_->from && drawsPlainly();
    if (!tailOnly) {
        QLabel::paintEvent(event);
        return;
    }
    // As the style draws a label's text, from where the end begins.
    QPainter painter(this);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    painter.drawText(QRectF(contentsRect()).adjusted(tail_->x, 0, 0, 0),
                     static_cast<int>(alignment()) | Qt::TextForceLeftToRight,
                     text().mid(tail_->start));
}

std::optional<qsizetype> LabelWidget::keptOf(const QString& before, const QString& after) const {
    const bool leftAligned = (alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignLeft &&
                             layoutDirection() == Qt::LeftToRight;
    if (!leftAligned || wordWrap() || textFormat() != Qt::PlainText || !simpleLine(before) ||
        !simpleLine(after)) {
        return std::nullopt;
    }
    const auto differ = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    const qsizetype kept = (differ.second - after.begin()) - kContextCharacters;
    return kept > 0 ? std::optional(kept) : std::nullopt;
}

// Where the caption's end may start: the characters before it leave their
// ink left of the repainted part, which begins half a line's height left of
// the kept characters' end, so they end a line's height before that; and the
// character before the start neither kerns with it nor joins it.
std::optional<LabelWidget::Tail> LabelWidget::tailOf(const QString& caption, qsizetype kept,
                                                     int from) {
    measureIn(font());
    if (!drawsPlainly() || caption.contains(u'&') ||
        !std::all_of(caption.begin(), caption.end(), [this](QChar ch) { return inFont(ch); })) {
        return std::nullopt;
    }
    const QFontMetricsF metrics(font());
    const double end = advanceOf(caption.left(kept));
    int tried = 0;
    for (qsizetype start = kept - 1; start >= 1 && tried < kTailStarts; --start) {
        const double x = advanceOf(caption.left(start));
        if (end - x < metrics.height()) {
            continue;
        }
        ++tried;
        if (standsAlone(caption[start - 1], caption[start])) {
            return Tail{caption, font(), contentsRect().left(), start, x, from};
        }
    }
    return std::nullopt;
}

// The text exactly where QLabel draws it, in the style whose drawing of a
// label's text this repeats.
bool LabelWidget::drawsPlainly() const {
    return isEnabled() && frameWidth() == 0 && margin() == 0 && indent() <= 0 &&
           drawnInFusion(*this);
}

// Two characters laid out together as each is alone: the same glyphs, the
// second one where the first one's width ends.
bool LabelWidget::standsAlone(QChar left, QChar right) {
    measureIn(font());
    const quint32 key = (quint32{left.unicode()} << 16) | right.unicode();
    const auto found = pairsAlone_.constFind(key);
    if (found != pairsAlone_.constEnd()) {
        return *found;
    }
    if (pairsAlone_.size() >= kKeptPairs) {
        pairsAlone_.clear();
    }
    const QString pair = QString(left) + right;
    QTextLayout layout(pair, font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    bool alone = runs.size() == 1;
    if (alone) {
        const QGlyphRun& run = runs.front();
        const QList<QPointF> positions = run.positions();
        alone = run.glyphIndexes() == run.rawFont().glyphIndexesForString(pair) &&
                positions.size() == 2 &&
                positions[1].x() - positions[0].x() == advanceOf(QString(left));
    }
    return *pairsAlone_.insert(key, alone);
}

// A character the font has itself: one from a fallback font may change the
// line's height, and the end would then sit higher or lower than the whole.
// Asked only once the font is the one measured.
bool LabelWidget::inFont(QChar ch) {
    const std::size_t code = ch.unicode();
    if (code >= kSimpleCharacters) {
        return false;
    }
    if (!looked_[code]) {
        looked_[code] = true;
        inFont_[code] = QFontMetricsF(font()).inFont(ch);
    }
    return inFont_[code];
}

double LabelWidget::advanceOf(const QString& prefix) {
    measureIn(font());
    if (advances_.size() >= kKeptAdvances) {
        advances_.clear();
    }
    const auto found = advances_.constFind(prefix);
    if (found != advances_.constEnd()) {
        return *found;
    }
    return *advances_.insert(prefix, QFontMetricsF(font()).horizontalAdvance(prefix));
}

void LabelWidget::measureIn(const QFont& font) {
    if (measuredFont_ == font) {
        return;
    }
    advances_.clear();
    pairsAlone_.clear();
    looked_.reset();
    measuredFont_ = font;
}

} // namespace platform::qt
