#include "session/wiederholung.h"

#include "session/lektionsstart.h"
#include "users/datenaufdiskschreiben.h"

void StartWiederholung(Context& c) {
    if (!datenaufdiskschreiben(c)) {
        return;
    }
    auto& s = c.s;
    s.wiederholungaktiv = true;
    s.gemerktelektion = s.lektion;
    s.lektion = s.wiederholungslektion;
    s.gemerkterteil = s.lektionsteil;
    s.lektionsteil = s.wiederholungsteil;
    Startvorbereiten(c);
}
