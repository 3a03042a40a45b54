#include "form/contrast.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace form {
namespace {

constexpr double kLargeTextPoints = 18;
constexpr double kSmallTextContrast = 4.5;
constexpr double kLargeTextContrast = 3.0;
// Halving steps of the shade search; 12 pin it to far below one colour step.
constexpr int kSearchSteps = 12;

int channel(Colour c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

// Text is coloured on every keystroke: the sRGB curve is looked up, not computed.
const std::array<double, 256>& linearTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double v = static_cast<double>(i) / 255.0;
            t[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double luminance(Colour c) {
    const auto& linear = linearTable();
    return 0.2126 * linear[static_cast<std::size_t>(channel(c, 0))] +
           0.7152 * linear[static_cast<std::size_t>(channel(c, 8))] +
           0.0722 * linear[static_cast<std::size_t>(channel(c, 16))];
}

// t = 0 gives `c`, t = 1 gives `towards`, channel by channel.
Colour mix(Colour c, Colour towards, double t) {
    const auto blend = [&](int shift) {
        const double from = channel(c, shift);
        const double to = channel(towards, shift);
        return static_cast<int>(std::lround(from + (to - from) * t));
    };
    return rgb(blend(0), blend(8), blend(16));
}

bool paintsOwnBackground(Kind kind) {
    switch (kind) {
    case Kind::GroupBox:
    case Kind::Panel:
    case Kind::Edit:
    case Kind::Memo:
    case Kind::RichEdit:
    case Kind::ComboBox:
    case Kind::StringGrid:
        return true;
    default:
        return false;
    }
}

} // namespace

double contrastRatio(Colour a, Colour b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double neededContrast(int pointSize) {
    return pointSize >= kLargeTextPoints ? kLargeTextContrast : kSmallTextContrast;
}

Colour readableOn(Colour wanted, Colour background, int pointSize) {
    const double needed = neededContrast(pointSize);
    if (contrastRatio(wanted, background) >= needed) {
        return wanted;
    }
    // The same few colours come back keystroke after keystroke.
    struct Shade {
        Colour wanted;
        Colour background;
        double needed;
        Colour shade;
    };
    static std::array<Shade, 16> found{};
    static std::size_t next = 0;
    for (const Shade& f : found) {
        if (f.wanted == wanted && f.background == background && f.needed == needed &&
            f.shade != f.wanted) {
            return f.shade;
        }
    }
    const Colour end =
        contrastRatio(colours::black, background) >= contrastRatio(colours::white, background)
            ? colours::black
            : colours::white;
    // The least shift towards black (or white) that reaches the contrast.
    double low = 0;
    double high = 1;
    for (int step = 0; step < kSearchSteps; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(mix(wanted, end, middle), background) >= needed) {
            high = middle;
        } else {
            low = middle;
        }
    }
    const Colour shade = mix(wanted, end, high);
    found[next] = {wanted, background, needed, shade};
    next = (next + 1) % found.size();
    return shade;
}

Colour backgroundOf(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->parent()) {
        if (paintsOwnBackground(c->kind())) {
            return c->color();
        }
    }
    return colours::buttonFace;
}

void setReadableFontColor(Control& control, Colour wanted) {
    control.setFontColor(readableOn(wanted, backgroundOf(control), control.font().size));
}

} // namespace form
