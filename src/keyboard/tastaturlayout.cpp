#include "keyboard/tastaturlayout.h"

#include "keyboard/tastenlicht.h"
#include "keyboard/zeichenfolge.h"

#include <array>

namespace keyboard {
namespace {

struct Beschriftung {
    int panel;
    std::array<const char*, 4> caption; // German, Swiss, American, UK; nullptr: left as it is
};

// \xA3 £ \xA7 § \xAC ¬ \xB0 ° \xB4 ´ \xC4 Ä \xD6 Ö \xDC Ü \xDF ß \xE0 à \xE4 ä
// \xE8 è \xE9 é \xF6 ö \xFC ü
// clang-format off
constexpr std::array<Beschriftung, 18> kBeschriftungen = {{
//   panel  German      Swiss          American     UK
    {6,   {"^ \xB0",   "\xA7",        "' ~",       "` \xAC"}},
    {17,  {"\xDF ?",   "?",           "_ -",       "_ -"}},
    {18,  {"\xB4`",    "^",           "= +",       "= +"}},
    {26,  {"Z",        "Z",           "Y",         "Y"}},
    {31,  {"\xDC",     "\xFC \xE8",   "[ {",       "[ {"}},
    {32,  {"+*~",      "\" !",        "] }",       "] }"}},
    {33,  {"Return",   "Return",      "\\ :",      "Enter"}},
    {34,  {nullptr,    nullptr,       "Caps Lock", "Caps Lock"}},
    {44,  {"\xD6",     "\xF6 \xE9",   "; :",       "; :"}},
    {45,  {"\xC4",     " \xE4 \xE0",  "' \"",      "' @"}},
    {46,  {"#",        "$ \xA3",      "Enter",     "~ #"}},
    {49,  {"Y",        "Y",           "Z",         "Z"}},
    {56,  {", ;",      ", ;",         ", <",       ", <"}},
    {57,  {". :",      ". :",         ". >",       ". >"}},
    {58,  {"- _",      "- _",         "/ ?",       "/ ?"}},
    {60,  {nullptr,    nullptr,       "Ctrl",      "Ctrl"}},
    {63,  {nullptr,    nullptr,       "Alt",       "Alt"}},
    {64,  {nullptr,    nullptr,       "Ctrl",      "Ctrl"}},
}};
// clang-format on

// Sizes as the screen width divided by these; 0: not set by the layout.
struct Masse {
    double enterHoehe; // Panel33
    double panel46Breite;
    double panel46Links;
    double shape40Breite; // marker of Panel46
    double shape40Links;
    double shiftBreite;   // Panel47, the left Shift key
    double shape42Links;  // its marker
    bool panel48Sichtbar; // the "<> |" key left of Panel49
};

// clang-format off
constexpr Masse kZweireihigesEnter = {8.99,  19.51, 1.27,  0,     0,     12.7, 16.67, true};
constexpr Masse kBreitesEnter      = {19.51, 8,     1.224, 10.96, 11.43, 7.27, 8.42,  false};
constexpr Masse kBritisch          = {8.99,  19.51, 1.27,  10.96, 11.43, 7.27, 8.42,  false};
// clang-format on

struct Layoutbeschreibung {
    const char* hinweis;
    const Masse& masse;
};

constexpr std::array<Layoutbeschreibung, 4> kLayouts = {{
    {"German keyboard layout", kZweireihigesEnter},
    {"Swiss keyboard layout", kZweireihigesEnter},
    {"American keyboard layout", kBreitesEnter},
    {"United Kingdom keyboard layout", kBritisch},
}};

constexpr int kCapsLockSchrift = 8;

int teil(const Context& c, double teiler) {
    return static_cast<int>(c.s.bildschirmbreite / teiler);
}

void masseSetzen(Context& c, const Masse& m) {
    auto& t = c.f.tastatur;
    t.panel(33).setHeight(teil(c, m.enterHoehe));
    t.panel(46).setWidth(teil(c, m.panel46Breite));
    t.panel(46).setLeft(teil(c, m.panel46Links));
    if (m.shape40Breite != 0) {
        t.marker(46)->setWidth(teil(c, m.shape40Breite));
        t.marker(46)->setLeft(teil(c, m.shape40Links));
    }
    t.panel(47).setWidth(teil(c, m.shiftBreite));
    t.marker(47)->setLeft(teil(c, m.shape42Links));
    t.panel(48).setVisible(m.panel48Sichtbar);
}

void beschriften(Context& c, Layout layout) {
    auto& t = c.f.tastatur;
    for (const Beschriftung& b : kBeschriftungen) {
        if (const char* caption = b.caption[layout]) {
            t.panel(b.panel).setCaption(caption);
        }
    }
    if (layout == USA || layout == UK) {
        t.panel(34).setFontSize(kCapsLockSchrift);
    }
    // The two keys only exchange captions; their fingers stay.
    t.panel(26).setHint("right forefinger");
    t.panel(49).setHint("left small finger");
}

void auswahlZeigen(Context& c, Layout layout) {
    auto& f = c.f;
    const std::array<form::Control*, 4> knoepfe = {&f.RadioButton3, &f.RadioButton4,
                                                   &f.RadioButton6, &f.RadioButton7};
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        knoepfe[i]->setChecked(i == layout);
    }
}

void layoutAnwenden(Context& c, Layout layout) {
    const Layoutbeschreibung& l = kLayouts[layout];
    c.f.GroupBox5.setHint(l.hinweis);
    auswahlZeigen(c, layout);
    c.s.tastaturcode = layout;
    masseSetzen(c, l.masse);
    beschriften(c, layout);
    zeichenfolgeSetzen(c.s.zeichenfolge, layout);
    fremdeTastenLoeschen(c.f.tastatur, layout);
}

} // namespace

void TastaturDeutsch(Context& c) {
    layoutAnwenden(c, Deutsch);
}

void TastaturSchweiz(Context& c) {
    layoutAnwenden(c, Schweiz);
}

void TastaturUSA(Context& c) {
    layoutAnwenden(c, USA);
}

void TastaturUK(Context& c) {
    layoutAnwenden(c, UK);
}

} // namespace keyboard
