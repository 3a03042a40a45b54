#include "course/lektionswahl.h"

#include "course/lektionskatalog.h"

#include <algorithm>

namespace {

int position(const form::Control& bar) {
    return std::clamp(bar.position(), 1, 32);
}

} // namespace

namespace course {

std::string uebungskennung(int position) {
    return std::to_string((position + 1) / 2) + (position % 2 == 1 ? " L" : " W");
}

} // namespace course

void lektiondirekt(Context& c) {
    const int p = position(c.f.ScrollBar1);
    c.s.lektion = static_cast<std::uint8_t>((p + 1) / 2);
    c.s.lektionsteil = p % 2 == 1 ? 0 : 1;
    c.f.Edit4.setText(course::uebungskennung(p));
}

void WLektioneinstellen(Context& c) {
    auto& f = c.f;
    f.ScrollBar2.setMax(f.ScrollBar1.position());
    if (f.ScrollBar2.position() > f.ScrollBar2.max()) {
        f.ScrollBar2.setPosition(f.ScrollBar2.max());
    }
    const int p = position(f.ScrollBar2);
    c.s.wiederholungslektion = static_cast<std::uint8_t>((p + 1) / 2);
    c.s.wiederholungsteil = p % 2 == 1 ? 0 : 1;
    f.Edit5.setText(course::uebungskennung(p));
    f.Label21.setCaption(course::lektionstitel(c.s.wiederholungslektion, c.s.tastaturcode));
}
