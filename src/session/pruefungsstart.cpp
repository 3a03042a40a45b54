#include "session/pruefungsstart.h"

#include "session/lektionsstart.h"

#include <string>

void BitBtn9Click(Context& c) {
    auto& s = c.s;
    s.restminuten = static_cast<std::uint8_t>(c.f.ScrollBar3.position());
    c.f.Label97.setCaption(std::to_string(s.restminuten) + " min");
    s.zeittestteil = s.lektionsteil;
    s.lektionsteil = 1;
    s.zeittest = true;
    Startvorbereiten(c);
}
