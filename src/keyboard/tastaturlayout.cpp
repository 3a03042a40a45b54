#include "keyboard/tastaturlayout.h"

#include "keyboard/zeichenfolge.h"

namespace keyboard {
namespace {

void layoutAnwenden(Context& c, Layout layout, const char* hinweis) {
    c.f.GroupBox5.setHint(hinweis);
    c.s.tastaturcode = layout;
    zeichenfolgeSetzen(c.s.zeichenfolge, layout);
}

} // namespace

void TastaturDeutsch(Context& c) {
    layoutAnwenden(c, Deutsch, "German keyboard layout");
}

void TastaturSchweiz(Context& c) {
    layoutAnwenden(c, Schweiz, "Swiss keyboard layout");
}

void TastaturUSA(Context& c) {
    layoutAnwenden(c, USA, "American keyboard layout");
}

void TastaturUK(Context& c) {
    layoutAnwenden(c, UK, "United Kingdom keyboard layout");
}

} // namespace keyboard
