#include "keyboard/leuchttabelle.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace keyboard {
namespace {

using Spalte = std::optional<std::string_view>;
constexpr Spalte kKeine = std::nullopt;

struct Layouttaste {
    int panel;
    std::array<Spalte, 4> zeichen; // German, Swiss, American, UK; kKeine: never lit
};

struct Festtaste {
    int panel;
    std::string_view zeichen;
};

// \xA3 £ \xA7 § \xB0 ° \xB4 ´ \xC4 Ä \xD6 Ö \xDC Ü \xDF ß \xE0 à \xE4 ä \xE7 ç
// \xE8 è \xE9 é \xF6 ö \xFC ü; \r is Enter.
// clang-format off
constexpr std::array<Layouttaste, 25> kJeLayout = {{
//   panel  German       Swiss        American  UK
    {6,   {"^\xB0",     "\xA7\xB0",  kKeine,   kKeine}},
    {7,   {"!1",        "+1",        "!1",     "!1"}},
    {8,   {"\"2",       "\"2",       "2@",     "\"2"}},
    {9,   {"3\xA7",     "*3",        "#3",     "3\xA3"}},
    {10,  {"$4",        "4\xE7",     "$4",     "$4"}},
    {11,  {"%5",        "%5",        "%5",     "%5"}},
    {12,  {"&6",        "&6",        "6^",     "6^"}},
    {13,  {"/7",        "/7",        "&7",     "&7"}},
    {14,  {"(8",        "(8",        "*8",     "*8"}},
    {15,  {")9",        ")9",        "(9",     "(9"}},
    {16,  {"0=",        "0=",        ")0",     ")0"}},
    {17,  {"?\xDF",     "?",         "-_",     "-_"}},
    {18,  {"`\xB4",     "`\xB4",     "+=",     "+="}},
    {26,  {"Zz",        "Zz",        "Yy",     "Yy"}},
    {31,  {"\xDC\xFC",  "\xE8\xFC",  "[{",     "[{"}},
    {32,  {"*+",        "!",         "]}",     "]}"}},
    {33,  {"\r",        "\r",        kKeine,   "\r"}},
    {44,  {"\xD6\xF6",  "\xE9\xF6",  ":;",     ":;"}},
    {45,  {"\xC4\xE4",  "\xE0\xE4",  "\"'",    "'@"}},
    {46,  {"#'",        "$\xA3",     "\r",     kKeine}},
    {48,  {"<>|",       "<>|",       kKeine,   kKeine}},
    {49,  {"Yy",        "Yy",        "Zz",     "Zz"}},
    {56,  {",;",        ",;",        ",<",     ",<"}},
    {57,  {".:",        ".:",        ".>",     ".>"}},
    {58,  {"-_",        "-_",        "/?",     "/?"}},
}};

// shiftLinks and shiftRechts: the characters that light the left and the right
// Shift key, both tested for every character.
constexpr std::array<std::string_view, 4> kShiftLinks = {
    "'()*/:;=?HIJKLMNOPUZ_\xC4\xD6\xDC",
    "!'()*/:;=?HIJKLMNOPUZ_\xC4\xD6\xDC\xE0\xE8\xE9",
    "\"&()*+:<>?HIJKLMNOPUY_{}",
    "&()*+:<>?@HIJKLMNOPUY_{}~",
};
constexpr std::array<std::string_view, 4> kShiftRechts = {
    "!\"$%&ABCDEFGQRSTVWXY\xA7",
    "\"%&ABCDEFGQRSTVWXY\xB0",
    "!#$%@ABCDEFGQRSTVWXZ^~",
    "!\"#$%ABCDEFGQRSTVWXZ^\xA3",
};

// Lit alike in every layout.
constexpr std::array<Festtaste, 27> kUeberall = {{
    {19, "\b"}, {20, "\t"},
    {21, "Qq"}, {22, "Ww"}, {23, "Ee"}, {24, "Rr"}, {25, "Tt"},
    {27, "Uu"}, {28, "Ii"}, {29, "Oo"}, {30, "Pp"},
    {35, "Aa"}, {36, "Ss"}, {37, "Dd"}, {38, "Ff"}, {39, "Gg"},
    {40, "Hh"}, {41, "Jj"}, {42, "Kk"}, {43, "Ll"},
    {50, "Xx"}, {51, "Cc"}, {52, "Vv"}, {53, "Bb"}, {54, "Nn"}, {55, "Mm"},
    {62, " "},
}};
// clang-format on

// Built at compile time, so a lookup is one index per character.
struct Leuchtplan {
    Tastenmenge geprueft = 0;
    std::array<Tastenmenge, 256> fuer{};

    constexpr void eintragen(int panel, std::string_view zeichen) {
        geprueft |= tastenbit(panel);
        for (const char z : zeichen) {
            fuer[static_cast<unsigned char>(z)] |= tastenbit(panel);
        }
    }
};

constexpr Leuchtplan planen(std::size_t layout) {
    Leuchtplan plan;
    for (const Layouttaste& taste : kJeLayout) {
        if (taste.zeichen[layout]) {
            plan.eintragen(taste.panel, *taste.zeichen[layout]);
        }
    }
    plan.eintragen(kLinkeShifttaste, kShiftLinks[layout]);
    plan.eintragen(kRechteShifttaste, kShiftRechts[layout]);
    for (const Festtaste& taste : kUeberall) {
        plan.eintragen(taste.panel, taste.zeichen);
    }
    return plan;
}

constexpr std::array<Leuchtplan, 4> kPlaene = {planen(0), planen(1), planen(2), planen(3)};

const Leuchtplan& plan(std::uint8_t tastaturcode) {
    return kPlaene[std::min<std::size_t>(tastaturcode, 3)];
}

} // namespace

Tastenmenge gepruefteTasten(std::uint8_t tastaturcode) {
    return plan(tastaturcode).geprueft;
}

Tastenmenge leuchtendeTasten(std::uint8_t tastaturcode, std::uint8_t zeichen) {
    return plan(tastaturcode).fuer[zeichen];
}

bool erzeugbar(std::uint8_t tastaturcode, std::uint8_t zeichen) {
    constexpr Tastenmenge kShifttasten = tastenbit(kLinkeShifttaste) | tastenbit(kRechteShifttaste);
    return (leuchtendeTasten(tastaturcode, zeichen) & ~kShifttasten) != 0;
}

} // namespace keyboard
