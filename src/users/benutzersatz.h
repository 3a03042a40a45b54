#pragma once

#include "form/control.h"
#include "platform/services.h"
#include "state/sitzungszustand.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One learner's record of the user file, as values. decode and encode move
// them between these members and the 560 stored bytes along the rows of
// users/record_table.h, which gives each field's place, width and defaults.
namespace users {

using Satz = std::array<std::uint8_t, kSatzGroesse>;

constexpr std::size_t kNameMax = 45;
constexpr std::size_t kFontNameMax = 80;

struct Benutzerdaten {
    std::string name; // at most kNameMax bytes, Windows-1252
    std::uint8_t lektion = 0;
    form::Colour farbeKleinfinger = 0;
    form::Colour farbeRingfinger = 0;
    form::Colour farbeMittelfinger = 0;
    form::Colour farbeZeigefinger = 0;
    form::Colour farbeDaumen = 0;
    std::uint16_t nutzungen = 0;
    std::uint16_t wunschanschlaege = 0;
    float wunschfehlerquote = 0.0F;
    bool korrekturerzwingen = false;
    std::uint8_t lektionsteil = 0;
    // The day of the last write; wochentag 1 = Sunday.
    std::uint8_t wochentag = 0;
    std::uint8_t tag = 0;
    std::uint8_t monat = 0;
    std::uint16_t jahr = 0;
    std::uint8_t schriftgroesseBuchstabe = 0;
    std::uint8_t schriftgroesseWort = 0;
    std::uint8_t schriftgroesseText = 0;
    // Indexed like the session: [finger 1..9][lesson 1..16], 101 = no value.
    std::array<std::array<std::uint8_t, 17>, 10> lektionsfehlerquoten{};
    std::array<bool, 17> buchstabenuebungbestanden{}; // 1..16
    std::array<bool, 17> wortuebungbestanden{};       // 1..16
    std::string schriftBuchstabe;                     // at most 80 bytes
    std::string schriftWort;
    std::string schriftText;
    // Letter-exercise counts of the current lesson, fingers 1..9.
    std::array<std::uint16_t, 10> buchstabenanschlaege{};
    std::array<std::uint16_t, 10> buchstabenfehler{};
    form::Colour buchstabenfeldfarbe = 0; // Panel1
    bool tastaturschriftweiss = false;
    std::uint8_t skalierung = 0;
    std::uint8_t anteilBekannte = 0;
    std::uint8_t tastaturcode = 0;
    std::uint8_t schriftstilWort = 0;
    std::uint8_t schriftstilText = 0;
    bool stimme = false;
    bool fehlerton = false;
    std::uint8_t farbschema = 0; // ComboBox2's index
    std::uint8_t testdauer = 0;  // minutes, ScrollBar3's position

    bool operator==(const Benutzerdaten&) const = default;
};

// Never fails: string lengths beyond their field are cut to it, and any
// nonzero flag byte reads as set. Range checks are bereinigen's.
Benutzerdaten decode(const Satz& satz);

// Only what the user list shows: name, lesson and part, the date of the last
// use and the count; every other field is left at its zero.
Benutzerdaten listenfelder(const Satz& satz);

// Writes every field; reserved bytes and the unused tails of the strings keep
// what the buffer held, so a record read and written back changes no more
// than its fields. Longer strings are cut to their field.
void encode(const Benutzerdaten& daten, Satz& satz);

// The stored name as decode reads it; the key that lists and searches use.
std::string_view benutzernameIn(std::span<const std::uint8_t, kSatzGroesse> satz);

// A new learner's record. The letter size trunc(w / 6.6) does not fit one
// byte on screens 1690 pixels wide or wider; 255 is stored then, and sign-in
// reduces it to what the screen allows.
Benutzerdaten neuerBenutzer(std::string_view name, const platform::Date& heute,
                            std::int32_t bildschirmbreite);

} // namespace users
