#include "users/sitzungsuebertragung.h"

namespace users {

void inSitzung(const Benutzerdaten& d, Sitzungszustand& s) {
    s.benutzername = d.name;
    s.lektion = d.lektion;
    s.lektionsteil = d.lektionsteil;
    s.farbeKleinfinger = d.farbeKleinfinger;
    s.farbeRingfinger = d.farbeRingfinger;
    s.farbeMittelfinger = d.farbeMittelfinger;
    s.farbeZeigefinger = d.farbeZeigefinger;
    s.farbeDaumen = d.farbeDaumen;
    s.nutzungen = static_cast<std::uint16_t>(d.nutzungen + 1);
    s.wunschanschlaege = d.wunschanschlaege;
    s.wunschfehlerquote = d.wunschfehlerquote;
    s.korrekturerzwingen = d.korrekturerzwingen;
    s.schriftgroesseBuchstabe = d.schriftgroesseBuchstabe;
    s.schriftgroesseWort = d.schriftgroesseWort;
    s.schriftgroesseText = d.schriftgroesseText;
    s.lektionsfehlerquoten = d.lektionsfehlerquoten;
    s.buchstabenuebungbestanden = d.buchstabenuebungbestanden;
    s.wortuebungbestanden = d.wortuebungbestanden;
    s.schriftBuchstabe = d.schriftBuchstabe;
    s.schriftWort = d.schriftWort;
    s.schriftText = d.schriftText;
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        s.fingerBuchstaben[finger].anschlaege =
            static_cast<std::int16_t>(d.buchstabenanschlaege[finger]);
        s.fingerBuchstaben[finger].fehler = static_cast<std::int16_t>(d.buchstabenfehler[finger]);
    }
    s.tastaturschriftweiss = d.tastaturschriftweiss;
    s.skalierung = d.skalierung;
    s.anteilBekannte = d.anteilBekannte;
    s.tastaturcode = d.tastaturcode;
    s.schriftstilWort = d.schriftstilWort;
    s.schriftstilText = d.schriftstilText;
    s.stimme = d.stimme;
    s.fehlerton = d.fehlerton;
}

Benutzerdaten ausSitzung(const Sitzungszustand& s, const platform::Date& heute,
                         const Steuerwerte& steuer) {
    Benutzerdaten d;
    d.name = s.benutzername;
    d.lektion = s.lektion;
    d.lektionsteil = s.lektionsteil;
    d.farbeKleinfinger = s.farbeKleinfinger;
    d.farbeRingfinger = s.farbeRingfinger;
    d.farbeMittelfinger = s.farbeMittelfinger;
    d.farbeZeigefinger = s.farbeZeigefinger;
    d.farbeDaumen = s.farbeDaumen;
    d.nutzungen = s.nutzungen;
    d.wunschanschlaege = static_cast<std::uint16_t>(s.wunschanschlaege);
    d.wunschfehlerquote = s.wunschfehlerquote;
    d.korrekturerzwingen = s.korrekturerzwingen;
    d.wochentag = static_cast<std::uint8_t>(heute.weekday);
    d.tag = static_cast<std::uint8_t>(heute.day);
    d.monat = static_cast<std::uint8_t>(heute.month);
    d.jahr = static_cast<std::uint16_t>(heute.year);
    d.schriftgroesseBuchstabe = s.schriftgroesseBuchstabe;
    d.schriftgroesseWort = s.schriftgroesseWort;
    d.schriftgroesseText = s.schriftgroesseText;
    d.lektionsfehlerquoten = s.lektionsfehlerquoten;
    d.buchstabenuebungbestanden = s.buchstabenuebungbestanden;
    d.wortuebungbestanden = s.wortuebungbestanden;
    d.schriftBuchstabe = s.schriftBuchstabe;
    d.schriftWort = s.schriftWort;
    d.schriftText = s.schriftText;
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        d.buchstabenanschlaege[finger] =
            static_cast<std::uint16_t>(s.fingerBuchstaben[finger].anschlaege);
        d.buchstabenfehler[finger] = static_cast<std::uint16_t>(s.fingerBuchstaben[finger].fehler);
    }
    d.buchstabenfeldfarbe = steuer.buchstabenfeldfarbe;
    d.tastaturschriftweiss = s.tastaturschriftweiss;
    d.skalierung = s.skalierung;
    d.anteilBekannte = s.anteilBekannte;
    d.tastaturcode = s.tastaturcode;
    d.schriftstilWort = s.schriftstilWort;
    d.schriftstilText = s.schriftstilText;
    d.stimme = s.stimme;
    d.fehlerton = s.fehlerton;
    d.farbschema = static_cast<std::uint8_t>(steuer.farbschema);
    d.testdauer = static_cast<std::uint8_t>(steuer.testdauer);
    return d;
}

} // namespace users
