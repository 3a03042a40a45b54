#include "users/nullsetzen.h"

void Nullsetzen(Context& c) {
    auto& s = c.s;
    c.f.ProgressBar11.setPosition(0);
    s.fingerfehlerquoten.fill(0.0);
    s.fingeranschlaege.fill(0);
    s.fingerfehler.fill(0);
    s.neuzeichenzaehler = 0;
    s.pausensekunden = 0;
    s.pausensekundenbisher = 0;
    s.wortzeichenposition = 0;
    s.fingerBuchstaben.fill({});
    s.lernfortschritt = 0.0;
    s.fehlerBuchstaben = 0;
    s.anschlaegeBuchstaben = 0;
}
