#include "users/farbschema.h"

#include "users/benutzersatz.h"
#include "users/bereinigen.h"

namespace users {

keyboard::Fingerfarben eigeneFarben(const Sitzungszustand& s) {
    auto daten = decode(s.benutzersatz);
    bereinigen(daten);
    return {daten.farbeKleinfinger, daten.farbeRingfinger, daten.farbeMittelfinger,
            daten.farbeZeigefinger, daten.farbeDaumen};
}

} // namespace users

void ComboBox2Click(Context& c) {
    keyboard::farbschemaAnwenden(c, c.f.ComboBox2.itemIndex(), users::eigeneFarben(c.s));
}
