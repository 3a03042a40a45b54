#include "users/farbschema.h"

#include "users/benutzerdatei.h"
#include "users/benutzersatz.h"
#include "users/bereinigen.h"

namespace users {
namespace {

// The signed-in learner's record: the buffer, unless the user list has since
// read other learners' records into it; then the learner's own from the file.
Satz eigenerSatz(const Sitzungszustand& s) {
    if (benutzernameIn(s.benutzersatz) == s.benutzername) {
        return s.benutzersatz;
    }
    const auto fund = findUser(benutzerdatei(s.programmverzeichnis), s.benutzername);
    if (fund && *fund) {
        return (**fund).satz;
    }
    return s.benutzersatz;
}

} // namespace

keyboard::Fingerfarben eigeneFarben(const Sitzungszustand& s) {
    auto daten = decode(eigenerSatz(s));
    bereinigen(daten);
    return {daten.farbeKleinfinger, daten.farbeRingfinger, daten.farbeMittelfinger,
            daten.farbeZeigefinger, daten.farbeDaumen};
}

} // namespace users

void ComboBox2Click(Context& c) {
    keyboard::farbschemaAnwenden(c, c.f.ComboBox2.itemIndex(), users::eigeneFarben(c.s));
}
