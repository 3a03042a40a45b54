#include "platform/qt/caption_fit.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <deque>

namespace platform::qt {
namespace {

// Pixels a caption's kerning may add at the most, for the smallest fonts.
constexpr int kKerningSlack = 4;
constexpr int kNotPlain = -1;
constexpr int kUnmeasured = -2;
// Fonts whose widths are kept: the window's labels use a handful.
constexpr std::size_t kKeptFonts = 8;

struct CharWidths {
    explicit CharWidths(const QFont& f) : font(f), metrics(f) { advance.fill(kUnmeasured); }
    QFont font;
    QFontMetrics metrics;
    // A line laid out may round one pixel taller than the font's height.
    int lineHeight = metrics.height() + 1;
    int spare = std::max(kKerningSlack, metrics.averageCharWidth());
    std::array<int, 256> advance{};
};

CharWidths& widthsOf(const QFont& font) {
    static std::deque<CharWidths> kept;
    const auto found = std::find_if(kept.begin(), kept.end(),
                                    [&font](const CharWidths& w) { return w.font == font; });
    if (found != kept.end()) {
        return *found;
    }
    if (kept.size() >= kKeptFonts) {
        kept.pop_back();
    }
    return kept.emplace_front(font);
}

int measured(const QFontMetrics& metrics, QChar ch) {
    // A character from another font could make the line wider or taller.
    const bool plain =
        ch.isPrint() && !ch.isSurrogate() && !ch.isMark() && metrics.inFontUcs4(ch.unicode());
    return plain ? metrics.horizontalAdvance(ch) : kNotPlain;
}

int advanceOf(CharWidths& widths, QChar ch) {
    if (ch.unicode() >= widths.advance.size()) {
        return measured(widths.metrics, ch);
    }
    int& advance = widths.advance[ch.unicode()];
    if (advance == kUnmeasured) {
        advance = measured(widths.metrics, ch);
    }
    return advance;
}

} // namespace

bool fitsSurely(const QFont& font, const QString& text, QSize room) {
    CharWidths& widths = widthsOf(font);
    if (widths.lineHeight > room.height()) {
        return false;
    }
    int width = widths.spare;
    for (const QChar ch : text) {
        const int advance = advanceOf(widths, ch);
        if (advance == kNotPlain) {
            return false;
        }
        width += advance;
    }
    return width <= room.width();
}

} // namespace platform::qt
