#include "users/benutzersatz.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace users {

namespace {

// Byte offsets of the fields in the record.
namespace at {
constexpr std::size_t name = 0;
constexpr std::size_t lektion = 46;
constexpr std::size_t farbeKleinfinger = 48;
constexpr std::size_t farbeRingfinger = 52;
constexpr std::size_t farbeMittelfinger = 56;
constexpr std::size_t farbeZeigefinger = 60;
constexpr std::size_t farbeDaumen = 64;
constexpr std::size_t nutzungen = 68;
constexpr std::size_t wunschanschlaege = 70;
constexpr std::size_t wunschfehlerquote = 72;
constexpr std::size_t korrekturerzwingen = 76;
constexpr std::size_t lektionsteil = 77;
constexpr std::size_t wochentag = 78;
constexpr std::size_t tag = 79;
constexpr std::size_t monat = 80;
constexpr std::size_t schriftgroesseBuchstabe = 81;
constexpr std::size_t schriftgroesseWort = 82;
constexpr std::size_t schriftgroesseText = 83;
constexpr std::size_t jahr = 84;
constexpr std::size_t lektionstabelle = 86;
constexpr std::size_t schriftBuchstabe = 262;
constexpr std::size_t schriftWort = 343;
constexpr std::size_t schriftText = 424;
constexpr std::size_t buchstabenanschlaege = 506;
constexpr std::size_t buchstabenfehler = 524;
constexpr std::size_t buchstabenfeldfarbe = 544;
constexpr std::size_t tastaturschriftweiss = 548;
constexpr std::size_t skalierung = 549;
constexpr std::size_t anteilBekannte = 550;
constexpr std::size_t tastaturcode = 551;
constexpr std::size_t schriftstilWort = 552;
constexpr std::size_t schriftstilText = 553;
constexpr std::size_t stimme = 554;
constexpr std::size_t fehlerton = 555;
constexpr std::size_t farbschema = 556;
constexpr std::size_t testdauer = 557;
} // namespace at

// Rows of the lesson table: 0..8 the fingers' fault rates, then the flags.
constexpr std::size_t kZeileBuchstabenuebung = 9;
constexpr std::size_t kZeileWortuebung = 10;

std::size_t tabellenbyte(std::size_t zeile, std::size_t lektion) {
    return at::lektionstabelle + 16 * zeile + (lektion - 1);
}

std::uint16_t u16(const Satz& s, std::size_t i) {
    return static_cast<std::uint16_t>(s[i] | (s[i + 1] << 8));
}

std::uint32_t u32(const Satz& s, std::size_t i) {
    return static_cast<std::uint32_t>(s[i]) | (static_cast<std::uint32_t>(s[i + 1]) << 8) |
           (static_cast<std::uint32_t>(s[i + 2]) << 16) |
           (static_cast<std::uint32_t>(s[i + 3]) << 24);
}

std::string text(const Satz& s, std::size_t i, std::size_t max) {
    const std::size_t laenge = std::min<std::size_t>(s[i], max);
    return {reinterpret_cast<const char*>(&s[i + 1]), laenge};
}

void putU16(Satz& s, std::size_t i, std::uint16_t v) {
    s[i] = static_cast<std::uint8_t>(v);
    s[i + 1] = static_cast<std::uint8_t>(v >> 8);
}

void putU32(Satz& s, std::size_t i, std::uint32_t v) {
    for (std::size_t k = 0; k < 4; ++k) {
        s[i + k] = static_cast<std::uint8_t>(v >> (8 * k));
    }
}

void putText(Satz& s, std::size_t i, std::size_t max, std::string_view v) {
    const std::size_t laenge = std::min(v.size(), max);
    s[i] = static_cast<std::uint8_t>(laenge);
    std::copy_n(v.begin(), laenge, s.begin() + static_cast<std::ptrdiff_t>(i + 1));
}

void decodeLektionstabelle(const Satz& s, Benutzerdaten& d) {
    for (std::size_t lektion = 1; lektion <= 16; ++lektion) {
        for (std::size_t finger = 1; finger <= 9; ++finger) {
            d.lektionsfehlerquoten[finger][lektion] = s[tabellenbyte(finger - 1, lektion)];
        }
        d.buchstabenuebungbestanden[lektion] =
            s[tabellenbyte(kZeileBuchstabenuebung, lektion)] != 0;
        d.wortuebungbestanden[lektion] = s[tabellenbyte(kZeileWortuebung, lektion)] != 0;
    }
}

void encodeLektionstabelle(const Benutzerdaten& d, Satz& s) {
    for (std::size_t lektion = 1; lektion <= 16; ++lektion) {
        for (std::size_t finger = 1; finger <= 9; ++finger) {
            s[tabellenbyte(finger - 1, lektion)] = d.lektionsfehlerquoten[finger][lektion];
        }
        s[tabellenbyte(kZeileBuchstabenuebung, lektion)] = d.buchstabenuebungbestanden[lektion];
        s[tabellenbyte(kZeileWortuebung, lektion)] = d.wortuebungbestanden[lektion];
    }
}

void decodeFingerzaehler(const Satz& s, Benutzerdaten& d) {
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        d.buchstabenanschlaege[finger] = u16(s, at::buchstabenanschlaege + 2 * (finger - 1));
        d.buchstabenfehler[finger] = u16(s, at::buchstabenfehler + 2 * (finger - 1));
    }
}

void encodeFingerzaehler(const Benutzerdaten& d, Satz& s) {
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        putU16(s, at::buchstabenanschlaege + 2 * (finger - 1), d.buchstabenanschlaege[finger]);
        putU16(s, at::buchstabenfehler + 2 * (finger - 1), d.buchstabenfehler[finger]);
    }
}

std::uint8_t schriftgroesse(std::int32_t breite, double teiler) {
    return static_cast<std::uint8_t>(std::clamp(std::trunc(breite / teiler), 0.0, 255.0));
}

} // namespace

Benutzerdaten decode(const Satz& s) {
    Benutzerdaten d;
    d.name = text(s, at::name, kNameMax);
    d.lektion = s[at::lektion];
    d.farbeKleinfinger = u32(s, at::farbeKleinfinger);
    d.farbeRingfinger = u32(s, at::farbeRingfinger);
    d.farbeMittelfinger = u32(s, at::farbeMittelfinger);
    d.farbeZeigefinger = u32(s, at::farbeZeigefinger);
    d.farbeDaumen = u32(s, at::farbeDaumen);
    d.nutzungen = u16(s, at::nutzungen);
    d.wunschanschlaege = u16(s, at::wunschanschlaege);
    d.wunschfehlerquote = std::bit_cast<float>(u32(s, at::wunschfehlerquote));
    d.korrekturerzwingen = s[at::korrekturerzwingen] != 0;
    d.lektionsteil = s[at::lektionsteil];
    d.wochentag = s[at::wochentag];
    d.tag = s[at::tag];
    d.monat = s[at::monat];
    d.schriftgroesseBuchstabe = s[at::schriftgroesseBuchstabe];
    d.schriftgroesseWort = s[at::schriftgroesseWort];
    d.schriftgroesseText = s[at::schriftgroesseText];
    d.jahr = u16(s, at::jahr);
    decodeLektionstabelle(s, d);
    d.schriftBuchstabe = text(s, at::schriftBuchstabe, kSchriftnameMax);
    d.schriftWort = text(s, at::schriftWort, kSchriftnameMax);
    d.schriftText = text(s, at::schriftText, kSchriftnameMax);
    decodeFingerzaehler(s, d);
    d.buchstabenfeldfarbe = u32(s, at::buchstabenfeldfarbe);
    d.tastaturschriftweiss = s[at::tastaturschriftweiss] != 0;
    d.skalierung = s[at::skalierung];
    d.anteilBekannte = s[at::anteilBekannte];
    d.tastaturcode = s[at::tastaturcode];
    d.schriftstilWort = s[at::schriftstilWort];
    d.schriftstilText = s[at::schriftstilText];
    d.stimme = s[at::stimme] != 0;
    d.fehlerton = s[at::fehlerton] != 0;
    d.farbschema = s[at::farbschema];
    d.testdauer = s[at::testdauer];
    return d;
}

void encode(const Benutzerdaten& d, Satz& s) {
    putText(s, at::name, kNameMax, d.name);
    s[at::lektion] = d.lektion;
    putU32(s, at::farbeKleinfinger, d.farbeKleinfinger);
    putU32(s, at::farbeRingfinger, d.farbeRingfinger);
    putU32(s, at::farbeMittelfinger, d.farbeMittelfinger);
    putU32(s, at::farbeZeigefinger, d.farbeZeigefinger);
    putU32(s, at::farbeDaumen, d.farbeDaumen);
    putU16(s, at::nutzungen, d.nutzungen);
    putU16(s, at::wunschanschlaege, d.wunschanschlaege);
    putU32(s, at::wunschfehlerquote, std::bit_cast<std::uint32_t>(d.wunschfehlerquote));
    s[at::korrekturerzwingen] = d.korrekturerzwingen;
    s[at::lektionsteil] = d.lektionsteil;
    s[at::wochentag] = d.wochentag;
    s[at::tag] = d.tag;
    s[at::monat] = d.monat;
    s[at::schriftgroesseBuchstabe] = d.schriftgroesseBuchstabe;
    s[at::schriftgroesseWort] = d.schriftgroesseWort;
    s[at::schriftgroesseText] = d.schriftgroesseText;
    putU16(s, at::jahr, d.jahr);
    encodeLektionstabelle(d, s);
    putText(s, at::schriftBuchstabe, kSchriftnameMax, d.schriftBuchstabe);
    putText(s, at::schriftWort, kSchriftnameMax, d.schriftWort);
    putText(s, at::schriftText, kSchriftnameMax, d.schriftText);
    encodeFingerzaehler(d, s);
    putU32(s, at::buchstabenfeldfarbe, d.buchstabenfeldfarbe);
    s[at::tastaturschriftweiss] = d.tastaturschriftweiss;
    s[at::skalierung] = d.skalierung;
    s[at::anteilBekannte] = d.anteilBekannte;
    s[at::tastaturcode] = d.tastaturcode;
    s[at::schriftstilWort] = d.schriftstilWort;
    s[at::schriftstilText] = d.schriftstilText;
    s[at::stimme] = d.stimme;
    s[at::fehlerton] = d.fehlerton;
    s[at::farbschema] = d.farbschema;
    s[at::testdauer] = d.testdauer;
}

std::string_view benutzernameIn(std::span<const std::uint8_t, kSatzGroesse> satz) {
    const std::size_t laenge = std::min<std::size_t>(satz[at::name], kNameMax);
    return {reinterpret_cast<const char*>(satz.data() + at::name + 1), laenge};
}

Benutzerdaten neuerBenutzer(std::string_view name, const platform::Date& heute,
                            std::int32_t bildschirmbreite) {
    Benutzerdaten d;
    d.name = std::string(name.substr(0, kNameMax));
    d.lektion = 1;
    d.farbeKleinfinger = form::rgb(0, 83, 225);
    d.farbeRingfinger = form::rgb(0, 180, 225);
    d.farbeMittelfinger = form::rgb(112, 208, 255);
    d.farbeZeigefinger = form::rgb(184, 255, 217);
    d.farbeDaumen = form::rgb(82, 255, 246);
    d.wunschanschlaege = 40;
    d.wunschfehlerquote = 3.5F;
    d.korrekturerzwingen = true;
    d.wochentag = static_cast<std::uint8_t>(heute.weekday);
    d.tag = static_cast<std::uint8_t>(heute.day);
    d.monat = static_cast<std::uint8_t>(heute.month);
    d.jahr = static_cast<std::uint16_t>(heute.year);
    d.schriftgroesseBuchstabe = schriftgroesse(bildschirmbreite, 6.6);
    d.schriftgroesseWort = schriftgroesse(bildschirmbreite, 44);
    d.schriftgroesseText = schriftgroesse(bildschirmbreite, 57);
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        std::fill(d.lektionsfehlerquoten[finger].begin() + 1, d.lektionsfehlerquoten[finger].end(),
                  101);
    }
    d.schriftBuchstabe = "Times New Roman";
    d.schriftWort = "Times New Roman";
    d.schriftText = "Times New Roman";
    d.buchstabenfeldfarbe = form::colours::silver;
    d.skalierung = 25;
    d.anteilBekannte = 30;
    d.tastaturcode = 3;
    d.schriftstilWort = 1;
    d.fehlerton = true;
    d.farbschema = 7;
    d.testdauer = 10;
    return d;
}

} // namespace users
