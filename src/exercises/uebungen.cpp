#include "exercises/uebungen.h"

#include "exercises/buchstabenuebung.h"
#include "exercises/wortuebung.h"

void uebungen(Context& c, std::uint8_t zeichen) {
    if (c.s.lektionsteil == 0 && c.s.buchstabenuebungaktiv) {
        Buchstabenuebung(c, zeichen);
    }
    if (c.s.lektionsteil == 1) {
        Wortuebung(c, zeichen);
    }
}
