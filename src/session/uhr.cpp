#include "session/uhr.h"

#include "exercises/einstellungsumschalter.h"
#include "history/recording.h"
#include "keyboard/tastaturaktiviert.h"
#include "keyboard/tastaturfarben.h"
#include "measurement/messung.h"
#include "statistics/fehlerstatistik.h"

#include <string>

namespace {

const char* teilZusatz(std::uint8_t lektionsteil) {
    return lektionsteil == 1 ? " (word-exercise)" : " (letter-exercise)";
}

void tempoMessen(Context& c, std::int32_t anschlaege, bool eigenerText) {
    messung::tickzeitNehmen(c);
    c.s.uebungssekunden = messung::nettosekunden(c.s);
    c.s.anpm = messung::anschlaegeProMinute(anschlaege, c.s.uebungssekunden);
    // A keystroke showed the speed less than a tick ago: the figure moves with
    // the typing then, and a second redraw between two keys would only flicker.
    const double seitTastendruck = c.svc.clock.monotonicSeconds() - c.s.tempoGezeigtUm;
    if (seitTastendruck < c.f.Timer1.interval() / 1000.0) {
        return;
    }
    const bool zuLangsam = c.s.wunschanschlaege > c.s.anpm && (!eigenerText || c.s.anpm != 0);
    c.f.Label25.setFontColor(zuLangsam ? form::colours::red : form::colours::black);
    c.f.Label25.setCaption(messung::tempoText(c.s.anpm));
}

void geschwindigkeitMessen(Context& c) {
    if (!wirdGemessen(c.s.anzeigestatus)) {
        return;
    }
    if (c.s.buchstabenuebungaktiv) {
        tempoMessen(c, c.s.anschlaegeBuchstaben, false);
    }
    if (c.s.wortuebungaktiv) {
        tempoMessen(c, c.s.anschlaegeText, false);
    }
    if (c.s.eigenetexteaktiv) {
        // The start counts as the text's first keystroke; until the learner
        // types, there is no speed to show.
        tempoMessen(c, c.s.anschlaegeText > 1 ? c.s.anschlaegeText : 0, true);
    }
}

int schriftFuerBreite(const Context& c, double teiler) {
    return static_cast<int>((c.s.bildschirmbreite / teiler) /
                            (c.svc.screen.pixelsPerInch() / 96.0));
}

void startbeschriftungen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    const int n = s.wiederholungaktiv ? s.gemerktelektion : s.lektion;
    const std::string start = "Start lesson " + std::to_string(n) + teilZusatz(s.lektionsteil);
    f.BitBtn2.setHint(start);
    f.start2.setCaption(start);
    f.Start9.setCaption(start);
    f.BitBtn1.setHint("Repetition lesson " + std::to_string(s.wiederholungslektion) +
                      teilZusatz(s.wiederholungsteil));
    if (s.lektion < 1 || s.lektion > 16) {
        return;
    }
    const int uebung = 2 * s.lektion - (s.lektionsteil == 0 ? 1 : 0);
    f.ScrollBar1.setPosition(uebung);
    f.ScrollBar2.setMax(uebung);
}

void pausieren(Context& c) {
    auto& f = c.f;
    auto& s = c.s;
    f.Einstellungen1.setEnabled(false);
    f.silber1.setEnabled(false);
    for (form::Control* b : {&f.button34, &f.button40, &f.Button7, &f.Button8, &f.Button14,
                             &f.Button19, &f.Button5, &f.Button18}) {
        b->setEnabled(false);
    }
    s.statusvorpause = s.anzeigestatus;
    s.anzeigestatus = Anzeige::Pause;
    s.pausiert = true;
    f.grau1.setCaption("Go on!");
    f.Pause1.setCaption("Go on!");
    f.Pause2.setCaption("Go on!");
    f.Edit2.setEnabled(false);
    f.Memo4.setEnabled(false);
    form::Control* knopf = s.buchstabenuebungaktiv ? &f.Button15
                           : s.wortuebungaktiv     ? &f.Button20
                           : s.eigenetexteaktiv    ? &f.Button41
                                                   : nullptr;
    if (knopf != nullptr) {
        knopf->setCaption("Go on!");
        knopf->show();
    }
    f.Panel4.show();
    f.Panel4.setColor(form::colours::navy);
    for (form::Control* l : {&f.Label24, &f.Label25, &f.Label26, &f.Label27}) {
        l->hide();
    }
    f.Label61.show();
    f.Label61.setFontColor(form::colours::yellow);
    f.Label61.setCaption("- P A U S E -");
    s.pausensekundenbisher = s.pausensekunden;
}

void fortsetzen(Context& c) {
    auto& f = c.f;
    f.Einstellungen1.setEnabled(true);
    f.silber1.setEnabled(true);
    f.Panel4.setColor(form::colours::buttonFace);
    for (form::Control* l : {&f.Label24, &f.Label25, &f.Label26, &f.Label27}) {
        l->show();
    }
    f.Label61.hide();
    for (form::Control* b : {&f.Button15, &f.Button20, &f.Button41}) {
        b->setCaption("Pause");
    }
    f.grau1.setCaption("Pause");
    f.Pause2.setCaption("Pause");
    f.Pause1.setCaption("Pause!");
    for (form::Control* b : {&f.Edit2, &f.Memo4, &f.Button5, &f.Button18, &f.Button7, &f.Button8}) {
        b->setEnabled(true);
    }
    c.s.anzeigestatus = c.s.statusvorpause;
    c.s.pausiert = false;
    messung::pauseAbrechnen(c);
}

void pausierenFallsLaufend(Context& c) {
    const bool uebungLaeuft =
        c.s.buchstabenuebungaktiv || c.s.wortuebungaktiv || c.s.eigenetexteaktiv;
    if (uebungLaeuft && !c.s.pausiert) {
        BPause(c);
    }
}

} // namespace

void universaltimer(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    geschwindigkeitMessen(c);
    keyboard::tastaturfaerben(c);
    if (s.buchstabenuebungaktiv && s.anzeigestatus == Anzeige::KeineMessung) {
        keyboard::einstellungsvorschau(c);
    }
    if ((s.buchstabenuebungaktiv || s.wortuebungaktiv) &&
        s.anzeigestatus == Anzeige::Fehlerstatistik) {
        Fehlerstatistik(c);
    }
    if (s.zeichenindex == 8) {
        f.Panel1.setFontSize(schriftFuerBreite(c, 20));
    } else if (s.zeichenindex == 13) {
        f.Panel1.setFontSize(schriftFuerBreite(c, 16));
    }
    if (f.Edit3.text() == "quopa") {
        f.Button24.setEnabled(true);
    }
    f.Edit4.setText(std::to_string(s.lektion) + (s.lektionsteil == 1 ? " W" : " L"));
    if (!s.buchstabenuebungaktiv && !s.wortuebungaktiv) {
        startbeschriftungen(c);
    }
    if (s.anzeigestatus == Anzeige::KeineMessung) {
        f.RadioButton19.setChecked(s.korrekturerzwingen);
        f.RadioButton20.setChecked(!s.korrekturerzwingen);
    }
    f.StartLektion.setCaption("&Start lesson " + std::to_string(s.lektion) +
                              teilZusatz(s.lektionsteil));
    if (s.zeittest && s.restminuten == 0) {
        pruefungBeenden(c);
    }
}

void BPause(Context& c) {
    auto& f = c.f;
    for (form::Control* b : {&f.button34, &f.button40, &f.Button20, &f.Button15, &f.Button41,
                             &f.Button14, &f.Button19}) {
        b->setEnabled(true);
    }
    if (c.s.pausiert) {
        fortsetzen(c);
    } else {
        pausieren(c);
    }
}

void deaktiviert(Context& c) {
    const auto& s = c.s;
    if (!s.buchstabenuebungaktiv && !s.wortuebungaktiv && !s.eigenetexteaktiv) {
        return;
    }
    if (!exercises::einstellungenOffen(s) && s.anzeigestatus != Anzeige::Pause &&
        (s.anschlaegeText != 0 || s.anschlaegeBuchstaben != 0)) {
        BPause(c);
    }
}

void pruefungBeenden(Context& c) {
    history::uebungAbgeschlossen(c);
    c.s.zeittest = false;
    c.f.Timer2.setEnabled(false);
    c.f.Timer1.setEnabled(false);
    // The results window's OK leaves the exercise; once it has closed the way
    // back runs once more, with the clock going again.
    c.svc.forms.showModal(c.f2, [&c] {
        c.f.Timer1.setEnabled(true);
        Buchstabenuebung_abbruch(c);
    });
}

void Timer2Timer(Context& c) {
    if (c.s.restminuten > 0) {
        --c.s.restminuten;
    }
    c.f.Label97.setCaption(std::to_string(c.s.restminuten) + " min");
}

void Buchstabenuebung_abbruch(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    history::uebungVerlassen(c);
    exercises::offeneEinstellungenSchliessen(c);
    f.Timer2.setEnabled(false);
    // An examination left early gives back the lesson part it started from.
    if (s.zeittest) {
        s.lektionsteil = s.zeittestteil;
    }
    s.zeittest = false;
    f.BitBtn6.setEnabled(false);
    f.CheckBox2.setEnabled(true);
    f.GroupBox26.hide();
    f.Panel66.hide();
    if (s.wiederholungaktiv) {
        s.wiederholungaktiv = false;
        s.lektion = s.gemerktelektion;
        s.lektionsteil = s.gemerkterteil;
    }
    for (form::Control* m : {&f.Start1, &f.MenueTast, &f.MenueEinst, &f.MenueExtra, &f.MenueBenu}) {
        m->setEnabled(true);
    }
    s.buchstabenuebungaktiv = false;
    s.wortuebungaktiv = false;
    s.eigenetexteaktiv = false;
    if (s.anzeigestatus == Anzeige::Pause) {
        s.anzeigestatus = Anzeige::Tastatur;
        BPause(c);
    }
    s.farblektion = 17;
    f.BoxBuchstabenuebung.hide();
    f.Panel5.show();
    f.GroupBox5.setTop(static_cast<int>(s.bildschirmhoehe / 5));
    f.GroupBox5.show();
    f.GroupBox3.show();
    for (form::Control* box :
         {&f.GroupBox1, &f.GroupBox7, &f.GroupBox12, &f.GroupBox14, &f.Panel4}) {
        box->hide();
    }
    f.Memo1.setTop(static_cast<int>(s.bildschirmhoehe / 1.54));
    f.Memo1.setHeight(static_cast<int>(s.bildschirmhoehe / 4.2));
    f.Memo1.show();
    keyboard::Tastatur(c);
    f.Memo1.show();
}

void Edit2Click(Context& c) {
    pausierenFallsLaufend(c);
    c.f.Edit2.setSelStart(c.s.wortzeichenposition - 1);
    c.f.Edit2.setSelLength(1);
}

void Memo4Click(Context& c) {
    pausierenFallsLaufend(c);
    c.f.Memo4.setSelStart(c.s.textzeichenposition - 1);
    c.f.Memo4.setSelLength(1);
}
