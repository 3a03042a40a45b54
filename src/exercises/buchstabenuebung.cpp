#include "exercises/buchstabenuebung.h"

#include "exercises/einstellungsumschalter.h"
#include "exercises/fingersaetze.h"
#include "exercises/tippfehler.h"
#include "exercises/wortuebung.h"
#include "form/contrast.h"
#include "history/recording.h"
#include "keyboard/fehltaste.h"
#include "keyboard/fingerfarbe.h"
#include "keyboard/tastaturaktiviert.h"
#include "keyboard/zeichenfolge.h"
#include "measurement/messung.h"
#include "state/programmdatei.h"
#include "statistics/fehlerstatistik.h"

#include <cmath>
#include <string>

namespace {

// A draw that cannot meet its quota (a broken lesson range) gives up rather
// than hang the keystroke.
constexpr int kMaxZiehungen = 100000;

double dpiFaktor(const Context& c) {
    return c.svc.screen.pixelsPerInch() / 96.0;
}

std::uint8_t erwartetesZeichen(const Sitzungszustand& s) {
    return s.zeichenfolge[s.zeichenindex % kZeichenAnzahl];
}

void fingerZaehlen(Sitzungszustand& s, std::uint8_t zeichen, bool fehler) {
    const std::uint16_t finger = exercises::fingerDesZeichens(s.tastaturcode, zeichen);
    for (std::size_t k = 1; k <= 9; ++k) {
        if ((finger & (1U << k)) == 0) {
            continue;
        }
        auto& zaehler = fehler ? s.fingerBuchstaben[k].fehler : s.fingerBuchstaben[k].anschlaege;
        ++zaehler;
    }
}

void ersterAnschlag(Context& c) {
    auto& f = c.f;
    f.Memo1.hide();
    for (form::Control* m : {&f.grau1, &f.silber1, &f.schwarz1, &f.wei1, &f.hf, &f.Button5,
                             &f.Button7, &f.Button14, &f.Button15}) {
        m->setEnabled(true);
    }
    f.Label28.hide();
}

void fehlerBewerten(Context& c, std::uint8_t getippt) {
    auto& s = c.s;
    s.tippfehler = true;
    const std::uint8_t erwartet = erwartetesZeichen(s);
    if (!s.korrekturerzwingen) {
        fingerZaehlen(s, erwartet, true);
        ++s.fehlerBuchstaben;
        history::fehlerMerken(s, erwartet, getippt);
    } else {
        if (!s.letzterfehler) {
            ++s.fehlerBuchstaben;
            fingerZaehlen(s, erwartet, true);
            history::fehlerMerken(s, erwartet, getippt);
        }
        --s.anschlaegeBuchstaben;
        s.letzterfehler = true;
    }
    exercises::fehlertonSpielen(c);
    keyboard::fehltasteZeigen(c, getippt);
}

void urteil(Context& c) {
    const auto fehler = c.s.fehlerBuchstaben;
    const char* titel = fehler == 0 ? "Very good performance!" : "Congratulations!";
    const char* text = fehler == 0   ? "Great praise!!!\r\rYou haven't made any mistake in the "
                                       "letter-exercise!\r\rGo on with the word-exercise!"
                       : fehler == 1 ? "Well done!\r\rYou only have made one mistake in the "
                                       "letter-exercise!\r\rGo on with the word-exercise!"
                       : fehler == 2
                           ? "Acceptable performance!\r\rYou only have made two mistakes in the "
                             "letter-exercise!\r\rGo on with the word-exercise!"
                           : "You have made the letter-exercise!\r\rGo on with the word-exercise!";
    c.svc.messages.show(titel, text, platform::Icon::Information, platform::Buttons::Ok);
}

void abschliessen(Context& c) {
    auto& s = c.s;
    history::uebungAbgeschlossen(c);
    const char* klang = s.fehlerBuchstaben >= 3 ? "Approval1.wav" : "Approval2.wav";
    c.svc.sound.play(programmdatei(s, klang), false);
    s.lernfortschritt = 0;
    s.buchstabenuebungaktiv = false;
    s.buchstabenuebungbestanden[std::min<std::size_t>(s.lektion, 16)] = true;
    urteil(c);
    s.lektionsteil = 1;
    Wortuebungeinrichten(c);
}

void lernfortschrittZeigen(Context& c) {
    c.f.Label34.setCaption(messung::lernfortschrittText(c.s.lernfortschritt));
    c.f.ProgressBar1.setPosition(static_cast<int>(messung::rundenGerade(c.s.lernfortschritt)));
}

bool quoteErfuellt(const Sitzungszustand& s, std::uint16_t anschlaege) {
    if (!s.korrekturerzwingen) {
        return s.neuzeichenzaehler >= anschlaege / 2;
    }
    const double teiler = s.anteilBekannte / 9.0;
    if (teiler <= 0) {
        return true;
    }
    return s.neuzeichenzaehler >= std::trunc(anschlaege / teiler);
}

void naechstesZeichenZiehen(Context& c) {
    auto& s = c.s;
    const std::uint16_t anschlaege = s.anschlaegeBuchstaben;
    const int grenzeBekannte = s.zeichenvorrat - s.neuezeichen;
    const int auswahl = std::min<int>(s.zeichenvorrat, kZeichenAnzahl - 1) + 1;
    for (int versuch = 0; versuch < kMaxZiehungen; ++versuch) {
        do {
            s.zeichenindex = static_cast<std::uint8_t>(c.svc.random.next(auswahl));
        } while (s.zeichenindex == s.vorherigerindex && auswahl > 1);
        s.vorherigerindex = s.zeichenindex;
        if (s.zeichenindex > grenzeBekannte) {
            ++s.neuzeichenzaehler;
        }
        if (quoteErfuellt(s, anschlaege)) {
            return;
        }
    }
}

void statistikFortschreiben(Context& c) {
    auto& s = c.s;
    if (s.anschlaegeBuchstaben == 0) {
        return;
    }
    statistikberechnen(s, s.fingerBuchstaben);
    for (std::size_t k = 1; k <= 9; ++k) {
        s.fingeranschlaege[k] = static_cast<std::uint16_t>(s.fingerBuchstaben[k].anschlaege);
        s.fingerfehler[k] = static_cast<std::uint16_t>(s.fingerBuchstaben[k].fehler);
    }
    Fehlerstatistik(c);
    if (!s.letzterfehler) {
        fingerZaehlen(s, erwartetesZeichen(s), false);
    }
}

void anzeigerZeigen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.Label35.setFontColor(f.Panel1.color() == form::colours::black ? form::colours::white
                                                                    : form::colours::black);
    if (s.anschlaegeBuchstaben != 0 &&
        exercises::umgeschaltet(s.tastaturcode, erwartetesZeichen(s))) {
        ++s.anschlaegeBuchstaben;
        f.Label35.setCaption("C");
        f.Label35.setHint("Capitial letter");
    } else if (s.zeichenindex > 76) {
        f.Label35.setCaption("N");
        f.Label35.setHint("Number");
    } else {
        f.Label35.setCaption("");
    }
}

void tempoZeigen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    if (s.anzeigestatus == Anzeige::Tastatur) {
        keyboard::tastaturaktiviert(c, erwartetesZeichen(s));
    }
    s.anpm = messung::anschlaegeProMinute(s.anschlaegeBuchstaben, s.uebungssekunden);
    f.Label25.setCaption(messung::tempoText(s.anpm));
    f.Label25.setFontColor(s.anpm < s.wunschanschlaege ? form::colours::red : form::colours::black);
    s.tempoGezeigtUm = c.svc.clock.monotonicSeconds();
    f.Label26.setCaption(messung::fehlerText(s.fehlerBuchstaben));
}

std::string panelText(std::uint8_t zeichen) {
    if (zeichen == '&') {
        return "&&"; // a single '&' would mark an accelerator
    }
    return std::string(1, static_cast<char>(zeichen));
}

void zeichenZeigen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    const std::uint8_t zeichen = erwartetesZeichen(s);
    if (const auto farbe = keyboard::fingerfarbe(s, zeichen)) {
        form::setReadableFontColor(f.Panel1, *farbe);
    }
    f.Panel1.setCaption(panelText(zeichen));
    if (s.anschlaegeBuchstaben == 0) {
        messung::startzeitNehmen(c);
    }
    ++s.anschlaegeBuchstaben;
    f.Label24.setCaption(messung::anschlaegeText(s.anschlaegeBuchstaben));
}

void fehlerquoteZeigen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    s.fehlerquote = messung::fehlerquote(s.fehlerBuchstaben, s.anschlaegeBuchstaben);
    f.Label27.setCaption(messung::fehlerquoteText(s.fehlerquote));
    f.Label27.setFontColor(s.fehlerquote > s.wunschfehlerquote ? form::colours::red
                                                               : form::colours::black);
    if (s.zeichenindex == keyboard::kIndexLeertaste) {
        f.Panel1.setCaption("Space");
        f.Panel1.setFontSize(static_cast<int>(s.bildschirmbreite / 20 / dpiFaktor(c)));
    } else if (s.zeichenindex == keyboard::kIndexEnter) {
        f.Panel1.setCaption("Enter");
        f.Panel1.setFontSize(static_cast<int>(s.bildschirmbreite / 16 / dpiFaktor(c)));
    }
}

} // namespace

void Buchstabenuebung(Context& c, std::uint8_t zeichen) {
    auto& s = c.s;
    auto& f = c.f;
    if (!wirdGemessen(s.anzeigestatus)) {
        return;
    }
    const bool erster = s.anschlaegeBuchstaben == 0;
    s.tippfehler = false;
    if (erster) {
        ersterAnschlag(c);
    }
    s.buchstabenuebungaktiv = true;
    s.wortuebungaktiv = false;
    s.eigenetexteaktiv = false;
    f.Panel4.show();
    f.Panel1.setFontSize(static_cast<int>(s.schriftgroesseBuchstabe / dpiFaktor(c)));

    if (!erster && zeichen != erwartetesZeichen(s)) {
        fehlerBewerten(c, zeichen);
    } else {
        s.letzterfehler = false;
    }

    if (!erster && !s.tippfehler) {
        if (s.fehlerquote <= s.wunschfehlerquote && s.anpm >= s.wunschanschlaege) {
            s.lernfortschritt += 1.0 / std::max<int>(s.lektion, 1);
        }
    }
    lernfortschrittZeigen(c);
    if (s.lernfortschritt >= 100) {
        abschliessen(c);
    }

    if (!(s.tippfehler && s.korrekturerzwingen)) {
        naechstesZeichenZiehen(c);
        if (s.buchstabenuebungaktiv) { // not the letter drawn once the exercise is done
            history::anschlagMerken(s, erwartetesZeichen(s)); // each letter shown is one to type
        }
    }
    statistikFortschreiben(c);
    anzeigerZeigen(c);
    tempoZeigen(c);
    zeichenZeigen(c);
    fehlerquoteZeigen(c);
}

void buchstabenuebungeinstellungen(Context& c) {
    exercises::einstellungenUmschalten(c, exercises::buchstabenknoepfe(c));
}
