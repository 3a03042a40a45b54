#include "exercises/uebungen.h"

#include "exercises/buchstabenuebung.h"
#include "exercises/eigenetexte.h"
#include "exercises/wortuebung.h"

namespace {

// Escape closes menus and boxes; it is never typing.
constexpr std::uint8_t kEscape = 27;

} // namespace

void uebungen(Context& c, std::uint8_t zeichen) {
    if (zeichen == kEscape) {
        return;
    }
    if (c.s.lektionsteil == 0 && c.s.buchstabenuebungaktiv) {
        Buchstabenuebung(c, zeichen);
    }
    if (c.s.lektionsteil == 1) {
        Wortuebung(c, zeichen);
    }
    if (c.s.eigenetexteaktiv) {
        EigeneTexte(c, zeichen);
    }
}
