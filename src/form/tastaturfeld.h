#pragma once

#include "form/form.h"

#include <cstdint>
#include <deque>
#include <span>
#include <vector>

namespace form {

// One key of the on-screen keyboard as designed: a row of the key table.
struct Tastenentwurf {
    int panel;  // PanelN
    int marker; // ShapeN; 0 for the keys that are never lit
    Geometry design;
    Geometry markerDesign; // inside the key
    const char* caption;
    const char* hint;
    int schriftgroesse;
    std::uint8_t fingernummer;
    // First farblektion that paints the key in its finger colour.
    std::uint8_t abLektion;    // German, Swiss, UK
    std::uint8_t abLektionUSA; // American
};

struct Taste {
    const Tastenentwurf& entwurf;
    Control& panel;
    Control* marker;
};

// The keys of the keyboard box GroupBox5: the key panels Panel6..Panel64 and
// their markers, registered in the window under those names.
class Tastaturfeld {
public:
    static constexpr int kErstesPanel = 6;
    static constexpr int kLetztesPanel = 64;

    Tastaturfeld(Form& form, Control& gruppe);
    Tastaturfeld(const Tastaturfeld&) = delete;
    Tastaturfeld& operator=(const Tastaturfeld&) = delete;

    // Font, hint, bevel and colours of the design; run after the window has
    // given every control its default font.
    void einrichten();

    Control& panel(int nummer) { return taste(nummer).panel; }
    const Control& panel(int nummer) const { return taste(nummer).panel; }
    // nullptr for a key without a marker.
    Control* marker(int nummer) { return taste(nummer).marker; }
    Taste& taste(int nummer) { return tasten_.at(static_cast<std::size_t>(nummer - kErstesPanel)); }
    const Taste& taste(int nummer) const {
        return tasten_.at(static_cast<std::size_t>(nummer - kErstesPanel));
    }
    std::span<Taste> tasten() { return tasten_; }

    // Lit: bevel lowered and marker shown; a key without a marker stays unlit.
    bool leuchtet(int nummer) const;
    void leuchten(int nummer, bool an);

private:
    std::deque<Control> controls_;
    std::vector<Taste> tasten_;
};

} // namespace form
