#include "platform/qt/caption_fit.h"

#include <algorithm>

namespace platform::qt {
namespace {

// Pixels a caption's kerning may add at the most, for the smallest fonts.
constexpr int kKerningSlack = 4;

} // namespace

bool fitsSurely(const QFontMetrics& metrics, const QString& text, QSize room) {
    // A line laid out may round one pixel taller than the font's height.
    if (metrics.height() + 1 > room.height()) {
        return false;
    }
    int width = std::max(kKerningSlack, metrics.averageCharWidth());
    for (const QChar ch : text) {
        // A character from another font could make the line wider or taller.
        const bool plain =
            ch.isPrint() && !ch.isSurrogate() && !ch.isMark() && metrics.inFontUcs4(ch.unicode());
        if (!plain) {
            return false;
        }
        width += metrics.horizontalAdvance(ch);
    }
    return width <= room.width();
}

} // namespace platform::qt
