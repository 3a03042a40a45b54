#include "exercises/wortuebung.h"

#include "course/lektionskatalog.h"
#include "course/wortzeilen.h"
#include "exercises/einstellungsumschalter.h"
#include "exercises/fingersaetze.h"
#include "exercises/tippfehler.h"
#include "exercises/zeilenziehung.h"
#include "form/radio_group.h"
#include "history/recording.h"
#include "keyboard/fehltaste.h"
#include "keyboard/tastaturaktiviert.h"
#include "measurement/messung.h"
#include "state/programmdatei.h"
#include "statistics/fehlerstatistik.h"
#include "statistics/gesamtstatistik.h"

#include <string>

namespace {

int schriftgroesse(const Context& c, double groesse) {
    return static_cast<int>(groesse / (c.svc.screen.pixelsPerInch() / 96.0));
}

std::string_view aktuelleZeile(const Sitzungszustand& s) {
    return course::wortzeile(s.wortzeile);
}

// The character at a 1-based position of the current line; 0 outside it.
std::uint8_t zeichenAn(const Sitzungszustand& s, int position) {
    const auto zeile = aktuelleZeile(s);
    if (position < 1 || static_cast<std::size_t>(position) > zeile.size()) {
        return 0;
    }
    return static_cast<std::uint8_t>(zeile[static_cast<std::size_t>(position) - 1]);
}

void startaufforderung(Context& c) {
    c.s.wortzeichenposition = 1;
    c.f.Edit2.setDoneLength(0);
    const std::string lektion = std::to_string(c.s.lektion);
    if (c.s.zeittest) {
        c.f.Edit2.setText(" S T A R T examination (" + c.f.Edit6.text() + ") lesson " + lektion +
                          " with any key!");
        return;
    }
    c.f.Edit2.setText(" S T A R T the word-exercise lesson " + lektion + " with any key!");
}

std::string boxTitel(const Sitzungszustand& s) {
    const std::string nummer = std::to_string(s.lektion);
    if (s.zeittest) {
        return "Examination lesson " + nummer;
    }
    return (s.wiederholungaktiv ? "Repetition " : "") + std::string("Word-exercise lesson ") +
           nummer;
}

void zeilengrenzenNehmen(Sitzungszustand& s) {
    const auto& lektion = course::lektion(s.lektion);
    s.lektionsanfangszeile = lektion.lektionsanfangszeile;
    s.untergrenzezeile = lektion.untergrenzezeile;
    s.obergrenzezeile = course::obergrenzezeile(s.lektion);
}

void fingerZaehlen(Sitzungszustand& s, std::uint8_t zeichen, bool fehler) {
    const std::uint16_t finger = exercises::fingerDesZeichens(s.tastaturcode, zeichen);
    for (std::size_t k = 1; k <= 9; ++k) {
        if ((finger & (1U << k)) != 0) {
            auto& zaehler = fehler ? s.fingerWort[k].fehler : s.fingerWort[k].anschlaege;
            ++zaehler;
        }
    }
}

void fehlerBewerten(Context& c, std::uint8_t erwartet, std::uint8_t getippt) {
    auto& s = c.s;
    if (!s.korrekturerzwingen) {
        fingerZaehlen(s, erwartet, true);
        ++s.fehlerText;
        history::fehlerMerken(s, erwartet, getippt);
    } else {
        if (!s.letzterfehler) {
            ++s.fehlerText;
            fingerZaehlen(s, erwartet, true);
            history::fehlerMerken(s, erwartet, getippt);
        }
        if (s.anschlaegeText > 1) {
            --s.anschlaegeText;
        }
        s.letzterfehler = true;
    }
    exercises::fehlertonSpielen(c);
    keyboard::fehltasteZeigen(c, getippt);
    s.tippfehler = true;
}

void neueZeile(Context& c) {
    auto& s = c.s;
    s.wortzeichenposition = 0;
    c.f.Edit2.setText("");
    s.wortzeile = exercises::zeileZiehen(c);
    s.vorherigewortzeile = s.wortzeile;
    c.f.Label12.setCaption("");
    if (s.wortzeile < s.lektionsanfangszeile) {
        c.f.Label12.setCaption("Repetition from lesson " +
                               std::to_string(course::lektionDerZeile(s.wortzeile)));
    }
}

void statistikFortschreiben(Context& c, std::uint8_t beurteilt) {
    auto& s = c.s;
    statistikberechnen(s, s.fingerWort);
    for (std::size_t k = 1; k <= 9; ++k) {
        s.fingeranschlaege[k] = static_cast<std::uint16_t>(s.fingerWort[k].anschlaege);
        s.fingerfehler[k] = static_cast<std::uint16_t>(s.fingerWort[k].fehler);
    }
    Fehlerstatistik(c);
    if (exercises::umgeschaltet(s.tastaturcode, beurteilt)) {
        ++s.anschlaegeText;
    }
    if (!s.letzterfehler) {
        fingerZaehlen(s, beurteilt, false);
        history::anschlagMerken(s, beurteilt);
    }
}

void markieren(Context& c, int start) {
    c.f.Edit2.setSelStart(std::max(start, 0));
    c.f.Edit2.setSelLength(1);
}

void lernfortschrittZeigen(Context& c) {
    auto& s = c.s;
    if (s.lernfortschritt == s.lernfortschrittangezeigt) {
        return;
    }
    c.f.Label60.setCaption("Study achievement " + messung::festkomma(s.lernfortschritt, 4, 1) +
                           " %");
    if (!s.zeittest) {
        c.f.ProgressBar11.setPosition(static_cast<int>(messung::rundenGerade(s.lernfortschritt)));
    }
    s.lernfortschrittangezeigt = s.lernfortschritt;
}

const char* urteilText(const Sitzungszustand& s) {
    if (s.lektion >= 16) {
        return "Great!\r\rYou have completed every 16 lessons with success.\r\rTo increase your "
               "performance, you should repeat\rlesson 16. Try to reduce your mistakes and to "
               "increase your typing speed.";
    }
    switch (s.fehlerText) {
    case 0:
        return "Great!\r\rYou haven't made any mistake in the word-exercise!\rThis is a very good "
               "performance!\r\rGo on with the next lesson!";
    case 1:
        return "Super!\r\rYou only have made one mistake in the word-exercise!\rThis is a good "
               "performance!\r\rGo on with the next lesson!";
    case 2:
        return "Okay!\r\rYou only have made two mistakes in the word-exercise!\rYou can be content "
               "with it!\r\rGo on with the next lesson!";
    default:
        return "Great!\r\rYou have made the word-exercise!\r\rGo on with the next lesson!";
    }
}

const char* urteilTitel(const Sitzungszustand& s) {
    return s.lektion >= 16 || s.fehlerText < 2 ? "Congratulations!" : "Gratulation!";
}

void meldung(Context& c, const char* titel, const char* text) {
    c.svc.messages.show(titel, text, platform::Icon::Information, platform::Buttons::Ok);
}

// Returns false when the keystroke ends here (a finished repetition).
bool abschliessen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    history::uebungAbgeschlossen(c);
    s.wortuebungbestanden[std::clamp<std::size_t>(s.lektion, 1, 16)] = true;
    exercises::offeneEinstellungenSchliessen(c);
    const char* klang = s.fehlerText >= 3 ? "Approval1.wav" : "Approval2.wav";
    c.svc.sound.play(programmdatei(s, klang), false);
    f.Label97.setCaption("");
    f.Label97.hide();
    f.Label60.setCaption("Study achievement 100 %");
    if (s.wiederholungaktiv) {
        meldung(c, "End of the repetition!", "\rYou have completed the repetition successfully!");
        s.lektion = s.gemerktelektion;
        s.lektionsteil = s.gemerkterteil;
        s.wiederholungaktiv = false;
        c.ablauf.uebungVerlassen(c);
        return false;
    }
    s.wortuebungaktiv = false;
    meldung(c, urteilTitel(s), urteilText(s));
    s.lektionsteil = 0;
    gesamtfehlerstatistik(c);
    f.Panel4.hide();
    f.BitBtn7.hide();
    f.BitBtn8.hide();
    c.svc.messages.show("Clavora", "Here you can see what's still to\rimprove.\r\rGo on!",
                        platform::Icon::None, platform::Buttons::Ok);
    f.BitBtn7.show();
    f.BitBtn8.show();
    if (s.lektion < 16) {
        ++s.lektion;
    }
    c.ablauf.lektionVorbereiten(c);
    s.lernfortschritt = 0;
    f.GroupBox15.hide();
    s.anschlaegeBuchstaben = 0;
    s.fehlerBuchstaben = 0;
    s.fingerBuchstaben.fill({});
    return true;
}

void zeileZeigen(Context& c) {
    auto& s = c.s;
    const auto zeile = aktuelleZeile(s);
    s.zeilenlaenge = static_cast<std::uint8_t>(std::min<std::size_t>(zeile.size(), 255));
    c.f.Edit2.setText(std::string(zeile));
    if (s.anschlaegeText == 0 || s.wortzeichenposition == 0) {
        markieren(c, 0);
    }
    if (s.korrekturerzwingen && !s.tippfehler) {
        if (s.anschlaegeText > 0) {
            ++s.wortzeichenposition;
        }
        return;
    }
    markieren(c, s.wortzeichenposition - 1);
    if (!s.korrekturerzwingen && s.anschlaegeText > 0) {
        ++s.wortzeichenposition;
        markieren(c, s.wortzeichenposition - 1);
    }
}

// What the learner has typed of the line looks done; the rest still to type.
void getipptesZeigen(Context& c) {
    c.f.Edit2.setDoneLength(std::max(c.s.wortzeichenposition - 1, 0));
}

void zahlenZeigen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.Label24.setCaption(messung::anschlaegeText(s.anschlaegeText));
    s.fehlerquote = messung::fehlerquote(s.fehlerText, s.anschlaegeText);
    f.Label27.setCaption(messung::fehlerquoteText(s.fehlerquote));
    f.Label27.setFontColor(s.fehlerquote > s.wunschfehlerquote ? form::colours::red
                                                               : form::colours::black);
    f.Label26.setCaption(messung::fehlerText(s.fehlerText));
}

void tastaturZeigen(Context& c) {
    auto& s = c.s;
    s.tastenzeichen = zeichenAn(s, s.wortzeichenposition);
    if (s.anzeigestatus == Anzeige::Tastatur) {
        keyboard::tastaturaktiviert(c, s.tastenzeichen);
    }
    ++s.anschlaegeText;
}

} // namespace

void Wortuebungeinrichten(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.CheckBox2.setEnabled(false);
    f.GroupBox24.hide();
    f.GroupBox25.hide();
    f.Memo1.hide();
    form::checkRadio(f.RadioButton2);
    const int klein = schriftgroesse(c, s.bildschirmbreite / 66.0);
    f.Label60.setFontSize(klein);
    f.Label97.setFontSize(klein);
    f.Label97.show();
    f.Label12.setCaption("");
    c.svc.random.randomize();
    f.GroupBox12.show();
    for (form::Control* box : {&f.GroupBox3, &f.Panel5, &f.BoxBuchstabenuebung, &f.GroupBox1,
                               &f.GroupBox7, &f.GroupBox10, &f.Memo1}) {
        box->hide();
    }
    s.anzeigestatus = Anzeige::Tastatur;
    s.wortzeichenposition = 0;
    s.zeilenlaenge = 0;
    f.Edit2.setFont({s.schriftWort, schriftgroesse(c, s.schriftgroesseWort), s.schriftstilWort});
    f.Edit2.show();
    f.GroupBox12.show();
    f.Panel4.show();
    f.GroupBox5.show();
    f.GroupBox14.hide();
    s.anschlaegeText = 0;
    s.fehlerText = 0;
    s.fingerWort.fill({});
    history::uebungBeginnt(s);
    s.lernfortschritt = 0;
    s.lernfortschrittangezeigt = 0;
    s.tastenzeichen = keyboard::kKeineTaste;
    f.GroupBox12.setCaption(boxTitel(s));
    if (!s.buchstabenuebungaktiv) {
        startaufforderung(c);
    }
    s.buchstabenuebungaktiv = false;
    if (s.zeittest) {
        f.Label60.hide();
        f.ProgressBar11.hide();
    } else {
        f.Label60.setCaption("Study achievement 0.0 %");
        f.Label60.show();
        f.Label97.setCaption("");
        f.ProgressBar11.setPosition(0);
        f.ProgressBar11.show();
    }
    zeilengrenzenNehmen(s);
    s.wortzeile = exercises::ersteZeileZiehen(c);
    s.vorherigewortzeile = s.wortzeile;
    s.pausensekunden = 0;
    s.pausensekundenbisher = 0;
    s.wortuebungaktiv = true;
    f.Label24.setCaption("Keystrokes: 0");
    f.Label27.setCaption("Fault rate: 0.00 %");
    f.Label26.setCaption("Faults: 0");
}

void Wortuebung(Context& c, std::uint8_t zeichen) {
    auto& s = c.s;
    auto& f = c.f;
    if (zeichen == keyboard::kKeineTaste || !s.wortuebungaktiv ||
        s.anzeigestatus == Anzeige::Pause) {
        startaufforderung(c);
        return;
    }
    if (s.zeittest && s.anschlaegeText > 0) {
        f.Timer2.setEnabled(true);
    }
    f.Panel4.show();
    s.tippfehler = false;
    s.wortuebungaktiv = true;
    s.buchstabenuebungaktiv = false;
    s.eigenetexteaktiv = false;
    const bool beurteilt = s.anschlaegeText > 0;
    if (!beurteilt) {
        messung::startzeitNehmen(c);
        for (form::Control* b : {&f.Button8, &f.Button18, &f.Button19, &f.Button20}) {
            b->setEnabled(true);
        }
    }
    const std::uint8_t erwartet = zeichenAn(s, s.wortzeichenposition);
    if (beurteilt && zeichen != erwartet) {
        fehlerBewerten(c, erwartet, zeichen);
    } else if (beurteilt) {
        s.letzterfehler = false;
    }
    const bool zeileFertig =
        s.wortzeichenposition == s.zeilenlaenge && (!s.korrekturerzwingen || !s.tippfehler);
    if (zeileFertig) {
        neueZeile(c);
    }
    if (s.anschlaegeText > 0) {
        statistikFortschreiben(c, erwartet);
    }
    if (s.anschlaegeText > 0 && s.wortzeichenposition > 0 && s.korrekturerzwingen &&
        !s.tippfehler) {
        markieren(c, s.wortzeichenposition);
    }
    lernfortschrittZeigen(c);
    if (beurteilt && zeichen == erwartet && s.fehlerquote <= s.wunschfehlerquote &&
        s.anpm >= s.wunschanschlaege && !s.zeittest) {
        s.lernfortschritt += 0.3 / std::max<int>(s.lektion, 1);
    }
    if (s.lernfortschritt >= 100 && !abschliessen(c)) {
        return;
    }
    zeileZeigen(c);
    getipptesZeigen(c);
    zahlenZeigen(c);
    tastaturZeigen(c);
}

void Wortuebungeinstellungen(Context& c) {
    auto& f = c.f;
    exercises::einstellungenUmschalten(c, exercises::wortknoepfe(c));
    if (f.GroupBox1.visible()) {
        f.setFocused(&f.GroupBox1);
    }
}
