#include "exercises/einstellungsumschalter.h"

#include "measurement/messung.h"

namespace exercises {
namespace {

constexpr const char* kWeiter = "Go on!";

void oeffnen(Context& c, const Einstellungsknoepfe& k) {
    auto& s = c.s;
    s.statusvoreinstellungen = s.anzeigestatus;
    s.anzeigestatus = Anzeige::KeineMessung;
    k.offen = true;
    k.knopf.setCaption(kWeiter);
    k.menue.setCaption(kWeiter);
    c.f.GroupBox1.setTop(static_cast<int>(s.bildschirmhoehe / 2.5));
    c.f.GroupBox1.show();
}

// The box closes and the exercise's controls come back.
void zuruecksetzen(Context& c, const Einstellungsknoepfe& k) {
    k.offen = false;
    k.knopf.setCaption("Settings");
    k.menue.setCaption("Settings");
    c.f.GroupBox1.hide();
    for (form::Control* control : k.gesperrt) {
        control->setEnabled(true);
    }
    for (form::Control* control : k.freigegeben) {
        control->setEnabled(true);
    }
    c.s.anzeigestatus = c.s.statusvoreinstellungen;
}

void schliessen(Context& c, const Einstellungsknoepfe& k) {
    auto& s = c.s;
    zuruecksetzen(c, k);
    if (s.anzeigestatus == Anzeige::Tastatur) {
        c.f.GroupBox5.show();
    } else if (s.anzeigestatus == Anzeige::Fehlerstatistik) {
        c.f.GroupBox14.show();
    }
    s.pausensekundenbisher = s.pausensekunden;
    messung::pauseAbrechnen(c);
}

} // namespace

Einstellungsknoepfe buchstabenknoepfe(Context& c) {
    auto& f = c.f;
    return {f.Button7,
            f.silber1,
            c.s.buchstabeneinstellungenoffen,
            {&f.Button5, &f.Button14, &f.Button15, &f.grau1, &f.Pause1},
            {}};
}

Einstellungsknoepfe wortknoepfe(Context& c) {
    auto& f = c.f;
    return {f.Button8,
            f.Einstellungen1,
            c.s.worteinstellungenoffen,
            {&f.Button18, &f.Button19, &f.Button20, &f.Pause1, &f.Pause2},
            {&f.Button14, &f.Button5}};
}

Einstellungsknoepfe textknoepfe(Context& c) {
    auto& f = c.f;
    return {f.button40,
            f.Einstellungen1,
            c.s.texteinstellungenoffen,
            {&f.button34, &f.Button41, &f.Pause1, &f.Pause2},
            {}};
}

void offeneEinstellungenSchliessen(Context& c) {
    for (const auto& k : {buchstabenknoepfe(c), wortknoepfe(c), textknoepfe(c)}) {
        if (k.offen) {
            zuruecksetzen(c, k);
        }
    }
}

bool einstellungenOffen(const Sitzungszustand& s) {
    return s.buchstabeneinstellungenoffen || s.worteinstellungenoffen || s.texteinstellungenoffen;
}

void einstellungenUmschalten(Context& c, const Einstellungsknoepfe& k) {
    for (form::Control* control : k.gesperrt) {
        control->setEnabled(false);
    }
    c.f.GroupBox5.hide();
    c.f.GroupBox14.hide();
    if (!k.offen) {
        oeffnen(c, k);
    } else {
        schliessen(c, k);
    }
}

} // namespace exercises
