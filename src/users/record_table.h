#pragma once

#include "users/record_field.h"

#include <tuple>

// The 560 bytes of a learner's record, one row a field, in the order of the
// bytes. Integers are little-endian, a flag is one byte (nonzero reads as
// set), a string is a length byte and its characters, and an array stores
// its used slots from 1 on ([finger 1..9][lesson 1..16] for the lesson table).
namespace users {

namespace rows {
using B = Benutzerdaten;
using S = Sitzungszustand;
using W = Steuerwerte;
using D = platform::Date;
using F = FingerZaehler;
constexpr const char* kSchrift = "Times New Roman";

// clang-format off
inline constexpr std::tuple kRecordTable{
//    name                        offset width  record member                  kept in                                  a new learner's  repaired at loading
field("benutzername",                  0,  46, &B::name,                      inSession(&S::benutzername),              EnteredName{}),
field("lektion",                      46,   1, &B::lektion,                   inSession(&S::lektion),                   1,               Nearest{1, 16}),
reserved(                             47,   1),
field("farbeKleinfinger",             48,   4, &B::farbeKleinfinger,          inSession(&S::farbeKleinfinger),          form::rgb(0, 83, 225),    RgbElseInitial{}),
field("farbeRingfinger",              52,   4, &B::farbeRingfinger,           inSession(&S::farbeRingfinger),           form::rgb(0, 180, 225),   RgbElseInitial{}),
field("farbeMittelfinger",            56,   4, &B::farbeMittelfinger,         inSession(&S::farbeMittelfinger),         form::rgb(112, 208, 255), RgbElseInitial{}),
field("farbeZeigefinger",             60,   4, &B::farbeZeigefinger,          inSession(&S::farbeZeigefinger),          form::rgb(184, 255, 217), RgbElseInitial{}),
field("farbeDaumen",                  64,   4, &B::farbeDaumen,               inSession(&S::farbeDaumen),               form::rgb(82, 255, 246),  RgbElseInitial{}),
field("nutzungen",                    68,   2, &B::nutzungen,                 CountedInSession{&S::nutzungen},          0),
field("wunschanschlaege",             70,   2, &B::wunschanschlaege,          inSession(&S::wunschanschlaege),          40,              Nearest{20, 260}),
field("wunschfehlerquote",            72,   4, &B::wunschfehlerquote,         inSession(&S::wunschfehlerquote),         3.5F,            ElseInitial{0, 6}),
field("korrekturerzwingen",           76,   1, &B::korrekturerzwingen,        inSession(&S::korrekturerzwingen),        true),
field("lektionsteil",                 77,   1, &B::lektionsteil,              inSession(&S::lektionsteil),              0,               ElseInitial{0, 1}),
field("wochentag",                    78,   1, &B::wochentag,                 Today{&D::weekday},                       TodaysDate{}),
field("tag",                          79,   1, &B::tag,                       Today{&D::day},                           TodaysDate{}),
field("monat",                        80,   1, &B::monat,                     Today{&D::month},                         TodaysDate{}),
field("schriftgroesseBuchstabe",      81,   1, &B::schriftgroesseBuchstabe,   inSession(&S::schriftgroesseBuchstabe),   ScreenWidthOver{6.6},    ScreenWidthBetween{16, 6.1}),
field("schriftgroesseWort",           82,   1, &B::schriftgroesseWort,        inSession(&S::schriftgroesseWort),        ScreenWidthOver{44},     ScreenWidthBetween{72, 44}),
field("schriftgroesseText",           83,   1, &B::schriftgroesseText,        inSession(&S::schriftgroesseText),        ScreenWidthOver{57},     ScreenWidthBetween{90, 42}),
field("jahr",                         84,   2, &B::jahr,                      Today{&D::year},                          TodaysDate{}),
field("lektionsfehlerquoten",         86, 144, &B::lektionsfehlerquoten,      inSession(&S::lektionsfehlerquoten),      101,             Nearest{0, 101}),
field("buchstabenuebungbestanden",   230,  16, &B::buchstabenuebungbestanden, inSession(&S::buchstabenuebungbestanden), false),
field("wortuebungbestanden",         246,  16, &B::wortuebungbestanden,       inSession(&S::wortuebungbestanden),       false),
field("schriftBuchstabe",            262,  81, &B::schriftBuchstabe,          inSession(&S::schriftBuchstabe),          kSchrift,        InstalledFont{}),
field("schriftWort",                 343,  81, &B::schriftWort,               inSession(&S::schriftWort),               kSchrift,        InstalledFont{}),
field("schriftText",                 424,  81, &B::schriftText,               inSession(&S::schriftText),               kSchrift,        InstalledFont{}),
reserved(                            505,   1),
field("buchstabenanschlaege",        506,  18, &B::buchstabenanschlaege,      InFingerBuchstaben{&F::anschlaege},       0),
field("buchstabenfehler",            524,  18, &B::buchstabenfehler,          InFingerBuchstaben{&F::fehler},           0),
reserved(                            542,   2),
field("buchstabenfeldfarbe",         544,   4, &B::buchstabenfeldfarbe,       inControl(&W::buchstabenfeldfarbe),       form::colours::silver,   RgbElseInitial{}),
field("tastaturschriftweiss",        548,   1, &B::tastaturschriftweiss,      inSession(&S::tastaturschriftweiss),      false),
field("skalierung",                  549,   1, &B::skalierung,                inSession(&S::skalierung),                25,              oneOf(10, 25, 50, 100)),
field("anteilBekannte",              550,   1, &B::anteilBekannte,            inSession(&S::anteilBekannte),            30,              Nearest{20, 50}),
field("tastaturcode",                551,   1, &B::tastaturcode,              inSession(&S::tastaturcode),              3,               Nearest{0, 3}),
field("schriftstilWort",             552,   1, &B::schriftstilWort,           inSession(&S::schriftstilWort),           1,               ElseInitial{0, 3}),
field("schriftstilText",             553,   1, &B::schriftstilText,           inSession(&S::schriftstilText),           0,               ElseInitial{0, 3}),
field("stimme",                      554,   1, &B::stimme,                    inSession(&S::stimme),                    false),
field("fehlerton",                   555,   1, &B::fehlerton,                 inSession(&S::fehlerton),                 true),
// ComboBox2 lists nine schemes, 0 "Standard" to 8 "Random"; 7 is "Water".
field("farbschema",                  556,   1, &B::farbschema,                inControl(&W::farbschema),                7,               ElseInitial{0, 8}),
field("testdauer",                   557,   1, &B::testdauer,                 inControl(&W::testdauer),                 10,              ElseInitial{1, 30}),
reserved(                            558,   2),
};
// clang-format on
} // namespace rows

using rows::kRecordTable;

// Calls `visit` with every row, reserved ones included, in the order of the bytes.
template <class Visit> constexpr void forEachRow(Visit&& visit) {
    std::apply([&](const auto&... row) { (visit(row), ...); }, kRecordTable);
}

// Calls `visit` with every row that holds a field.
template <class Visit> constexpr void forEachField(Visit&& visit) {
    forEachRow([&](const auto& row) {
        if constexpr (!std::is_same_v<std::remove_cvref_t<decltype(row)>, Reserved>) {
            visit(row);
        }
    });
}

constexpr bool everyWidthFitsItsType() {
    bool fits = true;
    forEachRow([&](const auto& row) { fits = fits && widthFitsType(row); });
    return fits;
}
static_assert(everyWidthFitsItsType(), "a row's width is not what its member stores");

// The key that lists and searches use.
inline constexpr const auto& kNameRow = std::get<0>(kRecordTable);
static_assert(kNameRow.value == &Benutzerdaten::name && kNameRow.width == kNameMax + 1);

} // namespace users
