#include "keyboard/farbschemata.h"

#include "keyboard/farbwahl.h"

namespace keyboard {
namespace {

struct Schema {
    std::string_view name;
    std::optional<Fingerfarben> farben;
};

using form::rgb;

// clang-format off
const std::array<Schema, kFarbschemata> kSchemata{{
    {"Standard",    Fingerfarben{rgb(0xFF, 0x00, 0x00), rgb(0xFF, 0xFF, 0x00), rgb(0x80, 0x80, 0x00), rgb(0x00, 0x00, 0xFF), rgb(0x80, 0x80, 0x80)}},
    {"Own colours", std::nullopt},
    {"Green",       Fingerfarben{rgb(0x54, 0x6E, 0x25), rgb(0x4F, 0x92, 0x00), rgb(0x47, 0xC7, 0x00), rgb(0x9F, 0xE8, 0x6B), rgb(0xD6, 0xF7, 0xB3)}},
    {"Mint",        Fingerfarben{rgb(0x00, 0xA0, 0x86), rgb(0x00, 0xB9, 0x9A), rgb(0x3D, 0xE8, 0xCD), rgb(0x9F, 0xF5, 0xE3), rgb(0xC5, 0xF9, 0xED)}},
    {"Crazy",       Fingerfarben{rgb(0x3D, 0x06, 0xA4), rgb(0xF5, 0x1E, 0x30), rgb(0xFF, 0x5F, 0x00), rgb(0xFB, 0xF7, 0x09), rgb(0x82, 0xE6, 0x00)}},
    {"Pastel",      Fingerfarben{rgb(0xA4, 0xBB, 0xFF), rgb(0xDC, 0xCC, 0xFF), rgb(0xFF, 0xE0, 0xE5), rgb(0xFF, 0xED, 0xD7), rgb(0xE4, 0xFF, 0xE0)}},
    {"Rose",        Fingerfarben{rgb(0xE5, 0x2F, 0x62), rgb(0xE9, 0x5E, 0x74), rgb(0xF0, 0x81, 0x89), rgb(0xF4, 0x9E, 0xA0), rgb(0xFC, 0xD4, 0xD1)}},
    {"Water",       Fingerfarben{rgb(0x00, 0x53, 0xE1), rgb(0x00, 0xB4, 0xE1), rgb(0x70, 0xD0, 0xFF), rgb(0xB8, 0xFF, 0xD9), rgb(0x52, 0xFF, 0xF6)}},
    {"Random",      std::nullopt},
}};
// clang-format on

// Random(255) as the toolkit draws it: 0..254.
constexpr int kZufallsgrenze = 255;

Fingerfarben zufallsfarben(platform::Random& zufall) {
    zufall.randomize();
    Fingerfarben farben{};
    for (form::Colour& farbe : farben) {
        const int blau = zufall.next(kZufallsgrenze);
        const int gruen = zufall.next(kZufallsgrenze);
        const int rot = zufall.next(kZufallsgrenze);
        farbe = rgb(rot, gruen, blau);
    }
    return farben;
}

bool gueltig(int schema) {
    return schema >= 0 && schema < kFarbschemata;
}

} // namespace

std::string_view farbschemaName(int schema) {
    return gueltig(schema) ? kSchemata[static_cast<std::size_t>(schema)].name : std::string_view();
}

std::optional<Fingerfarben> farbschemaFarben(int schema) {
    return gueltig(schema) ? kSchemata[static_cast<std::size_t>(schema)].farben : std::nullopt;
}

Fingerfarben fingerfarben(const Sitzungszustand& s) {
    return {s.farbeKleinfinger, s.farbeRingfinger, s.farbeMittelfinger, s.farbeZeigefinger,
            s.farbeDaumen};
}

void fingerfarbenSetzen(Sitzungszustand& s, const Fingerfarben& farben) {
    s.farbeKleinfinger = farben[0];
    s.farbeRingfinger = farben[1];
    s.farbeMittelfinger = farben[2];
    s.farbeZeigefinger = farben[3];
    s.farbeDaumen = farben[4];
}

void farbschemaAnwenden(Context& c, int schema, const Fingerfarben& eigene) {
    if (!gueltig(schema)) {
        return; // nothing picked
    }
    if (const auto feste = farbschemaFarben(schema)) {
        fingerfarbenSetzen(c.s, *feste);
    } else if (schema == EigeneFarben) {
        fingerfarbenSetzen(c.s, eigene);
    } else {
        fingerfarbenSetzen(c.s, zufallsfarben(c.svc.random));
    }
    farbenZeigen(c);
}

void farbschemaZeigen(Context& c, int schema) {
    c.f.ComboBox2.setItemIndex(gueltig(schema) ? schema : -1);
    c.f.ComboBox2.setText(std::string(farbschemaName(schema)));
}

} // namespace keyboard
