#include "users/nullsetzen.h"

void Nullsetzen(Context& c) {
    auto& s = c.s;
    for (form::Control* balken :
         {&c.f.ProgressBar2, &c.f.ProgressBar3, &c.f.ProgressBar4, &c.f.ProgressBar5,
          &c.f.ProgressBar6, &c.f.ProgressBar7, &c.f.ProgressBar8, &c.f.ProgressBar9,
          &c.f.ProgressBar10, &c.f.ProgressBar11}) {
        balken->setPosition(0);
    }
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
