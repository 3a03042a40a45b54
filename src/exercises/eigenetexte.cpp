#include "exercises/eigenetexte.h"

#include "exercises/einstellungsumschalter.h"
#include "exercises/texttasten.h"
#include "exercises/tippfehler.h"
#include "form/radio_group.h"
#include "history/recording.h"
#include "keyboard/fehltaste.h"
#include "keyboard/tastaturaktiviert.h"
#include "measurement/messung.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint8_t kEnter = 13;
// Memo4 shows the current line and those after it, up to this many: the
// learner sees what comes, and a long text costs no copy of itself per line.
constexpr std::size_t kSichtbareZeilen = 100;

// Memo3's line; a line beyond its last is empty, so a text whose count and
// lines disagree still ends.
std::string_view memo3Zeile(const Context& c, std::int32_t nummer) {
    const auto& zeilen = c.f.Memo3.lines();
    if (nummer < 0 || static_cast<std::size_t>(nummer) >= zeilen.size()) {
        return {};
    }
    return zeilen[static_cast<std::size_t>(nummer)];
}

void zeileNehmen(Context& c) {
    c.s.uebungszeile = exercises::uebungszeile(memo3Zeile(c, c.s.textzeile));
}

void uebungskopieZeigen(Context& c) {
    std::vector<std::string> zeilen;
    const auto& text = c.f.Memo3.lines();
    for (std::size_t i = static_cast<std::size_t>(c.s.textzeile);
         i < text.size() && zeilen.size() < kSichtbareZeilen; ++i) {
        zeilen.push_back(exercises::uebungszeile(text[i]));
    }
    c.f.Memo4.setLines(std::move(zeilen));
}

std::int32_t laenge(const Sitzungszustand& s) {
    return static_cast<std::int32_t>(s.uebungszeile.size());
}

// The character at a 1-based position of the current line.
std::uint8_t zeichenAn(const Sitzungszustand& s, std::int32_t position) {
    return static_cast<std::uint8_t>(s.uebungszeile[static_cast<std::size_t>(position) - 1]);
}

std::uint8_t tasteAn(const Sitzungszustand& s, std::int32_t position) {
    return exercises::tastenzeichenFuer(s.tastaturcode, zeichenAn(s, position));
}

void markieren(Context& c, std::int32_t index) {
    c.f.Memo4.setSelStart(std::max(index, 0));
    c.f.Memo4.setSelLength(1);
}

void quoteZeigen(Context& c) {
    auto& s = c.s;
    s.fehlerquote = messung::fehlerquote(s.fehlerText, s.anschlaegeText);
    c.f.Label27.setCaption(messung::fehlerquoteText(s.fehlerquote));
    c.f.Label27.setFontColor(s.wunschfehlerquote >= s.fehlerquote ? form::colours::black
                                                                  : form::colours::red);
}

void tasteZeigen(Context& c, std::uint8_t zeichen) {
    c.s.tastenzeichen = zeichen;
    if (c.s.anzeigestatus == Anzeige::Tastatur) {
        keyboard::tastaturaktiviert(c, zeichen);
    }
}

// The row display never counts past the last row: the end of the last line
// still reads "Row n from n".
void zeilenanzeige(Context& c, std::int32_t zeile) {
    c.f.Label75.setCaption("Row " + std::to_string(std::min(zeile, c.s.textzeilen)) + " from " +
                           std::to_string(c.s.textzeilen));
}

// Any key but Enter at a line's end: one fault however often it happens.
void fehlerAmZeilenende(Context& c, std::uint8_t zeichen) {
    auto& s = c.s;
    if (!s.letzterfehler) {
        ++s.fehlerText;
        history::fehlerMerken(s, kEnter, zeichen);
        history::anschlagMerken(s, kEnter);
    }
    --s.anschlaegeText;
    s.letzterfehler = true;
    exercises::fehlertonSpielen(c);
    keyboard::fehltasteZeigen(c, zeichen);
    c.f.Label26.setCaption("Errors: " + std::to_string(s.fehlerText));
    quoteZeigen(c);
}

void fehlerInDerZeile(Context& c, std::uint8_t zeichen) {
    auto& s = c.s;
    // A repeated fault under forced correction is no new fault.
    if (!(s.korrekturerzwingen && s.letzterfehler)) {
        history::fehlerMerken(s, tasteAn(s, s.textzeichenposition), zeichen);
        history::anschlagMerken(s, tasteAn(s, s.textzeichenposition));
    }
    if (s.korrekturerzwingen) {
        // The same character is expected again, and a repeated fault on it
        // counts once; the wrong keystroke itself does not count.
        --s.textzeichenposition;
        markieren(c, s.textzeichenposition);
        if (s.letzterfehler) {
            --s.fehlerText;
        }
        --s.anschlaegeText;
        s.letzterfehler = true;
    }
    ++s.fehlerText;
    exercises::fehlertonSpielen(c);
    keyboard::fehltasteZeigen(c, zeichen);
    c.f.Label26.setCaption(messung::fehlerText(s.fehlerText));
    quoteZeigen(c);
}

void naechsteZeile(Context& c) {
    auto& s = c.s;
    s.letzterfehler = false;
    c.f.Panel2.hide();
    ++s.textzeile;
    zeileNehmen(c);
    uebungskopieZeigen(c);
    s.textzeichenposition = 0;
    markieren(c, 0);
}

// Characters no key types are passed over; the line may end behind them.
void uebergehen(Context& c) {
    auto& s = c.s;
    const auto vorher = s.textzeichenposition;
    while (s.textzeichenposition <= laenge(s) && tasteAn(s, s.textzeichenposition) == 0) {
        ++s.textzeichenposition;
    }
    if (s.textzeichenposition == vorher) {
        return;
    }
    markieren(c, s.textzeichenposition - 1);
    if (s.textzeichenposition == laenge(s) + 1) {
        c.f.Panel2.show();
        tasteZeigen(c, kEnter);
    }
}

void textende(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    history::uebungAbgeschlossen(c);
    f.Panel2.hide();
    s.fehlerquote = messung::fehlerquote(s.fehlerText, s.anschlaegeText);
    f.Memo4.setLines({"You have reached the end of the text!", "",
                      "Keystrokes per minute: " + std::to_string(s.anpm),
                      messung::fehlerText(s.fehlerText), messung::fehlerquoteText(s.fehlerquote)});
    f.Memo4.setSelLength(0);
    s.eigenetexteaktiv = false;
    c.svc.messages.show("End of text", "\rYou have reached the end of the text!\r",
                        platform::Icon::Information, platform::Buttons::Ok);
    c.ablauf.uebungVerlassen(c);
}

// The counts and the text back at the first line.
void vonVorn(Context& c) {
    auto& s = c.s;
    s.textzeichenposition = 0;
    s.anschlaegeText = 0;
    s.fehlerText = 0;
    s.letzterfehler = false;
    history::uebungBeginnt(s);
    s.textzeile = 0;
    s.tastenzeichen = keyboard::kKeineTaste;
    c.f.Label26.setFontColor(form::colours::black);
    c.f.Label26.setCaption("Faults: 0");
    zeilenanzeige(c, 1);
    zeileNehmen(c);
    uebungskopieZeigen(c);
}

void uhrZuruecksetzen(Sitzungszustand& s) {
    s.pausensekunden = 0;
    s.pausensekundenbisher = 0;
    s.startstunde = s.startminute = s.startsekunde = 0;
    s.tickstunde = s.tickminute = s.ticksekunde = 0;
    s.startzeitpunkt = 0;
    s.tickzeitpunkt = 0;
}

} // namespace

void bitbtn5Click(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    if (!exercises::etwasZuTippen(s.tastaturcode, f.Memo3.lines())) {
        c.svc.messages.show("Clavora",
                            "This text has nothing to type.\r\rPlease load or write a text with "
                            "at least one character.",
                            platform::Icon::Information, platform::Buttons::Ok);
        return;
    }
    for (form::Control* box :
         {&f.Panel5, &f.GroupBox24, &f.GroupBox25, &f.Memo1, &f.GroupBox7, &f.GroupBox1}) {
        box->hide();
    }
    f.GroupBox26.show();
    f.Panel4.show();
    const double teiler = s.bildschirmbreite > 1024 ? 2.84 : 2.6;
    f.GroupBox5.setTop(static_cast<int>(s.bildschirmhoehe / teiler));
    f.GroupBox5.show();
    vonVorn(c);
    s.anzeigestatus = Anzeige::Tastatur;
    s.eigenetexteaktiv = true;
    uhrZuruecksetzen(s);
    form::checkRadio(f.RadioButton5);
    EigeneTexte(c, keyboard::kKeineTaste);
}

void EigeneTexte(Context& c, std::uint8_t zeichen) {
    auto& s = c.s;
    auto& f = c.f;
    if (s.anschlaegeText == 1) {
        messung::startzeitNehmen(c); // the first real keystroke starts the measurement
    }
    f.Panel2.hide();
    f.Label24.setCaption(messung::anschlaegeText(s.anschlaegeText));
    ++s.anschlaegeText;
    markieren(c, s.textzeichenposition);
    quoteZeigen(c);
    if (s.textzeichenposition == laenge(s) + 1) {
        zeilenanzeige(c, s.textzeile + 2);
        f.Panel2.show();
        if (zeichen != kEnter) {
            fehlerAmZeilenende(c, zeichen);
            return;
        }
        if (!s.letzterfehler) {
            history::anschlagMerken(s, kEnter);
        }
        naechsteZeile(c);
    } else if (s.textzeichenposition >= 1) {
        if (zeichen == tasteAn(s, s.textzeichenposition)) {
            if (!s.letzterfehler) {
                history::anschlagMerken(s, zeichen);
            }
            s.letzterfehler = false;
        } else {
            fehlerInDerZeile(c, zeichen);
        }
    }
    if (laenge(s) == 0) {
        tasteZeigen(c, kEnter);
    }
    if (laenge(s) == s.textzeichenposition) {
        f.Panel2.show(); // the line is typed: Enter is next
        tasteZeigen(c, kEnter);
    }
    ++s.textzeichenposition;
    uebergehen(c);
    if (s.textzeile >= s.textzeilen) {
        textende(c);
        return;
    }
    if (laenge(s) > 0 && s.textzeichenposition != laenge(s) + 1) {
        tasteZeigen(c, tasteAn(s, s.textzeichenposition));
    }
}

void button34Click(Context& c) {
    vonVorn(c);
    c.s.tastenzeichen = keyboard::kKeineTaste;
    c.f.Panel2.hide();
    EigeneTexte(c, keyboard::kKeineTaste);
    uhrZuruecksetzen(c.s);
}

void EigeneTexteeinstellungen(Context& c) {
    c.f.CheckBox2.setEnabled(false);
    exercises::einstellungenUmschalten(c, exercises::textknoepfe(c));
    if (c.f.GroupBox1.visible()) {
        c.f.setFocused(&c.f.GroupBox1);
    }
}
