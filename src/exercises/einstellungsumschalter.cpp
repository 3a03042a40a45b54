#include "exercises/einstellungsumschalter.h"

#include "measurement/messung.h"

namespace exercises {
namespace {

constexpr const char* kWeiter = "Go on!";

void oeffnen(Context& c, const Einstellungsknoepfe& k) {
    auto& s = c.s;
    s.statusvoreinstellungen = s.anzeigestatus;
    s.anzeigestatus = 0;
    k.knopf.setCaption(kWeiter);
    k.menue.setCaption(kWeiter);
    c.f.GroupBox1.setTop(static_cast<int>(s.bildschirmhoehe / 2.5));
    c.f.GroupBox1.show();
}

// The box closes and the exercise's controls come back.
void zuruecksetzen(Context& c, const Einstellungsknoepfe& k) {
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
    if (s.anzeigestatus == 1) {
        c.f.GroupBox5.show();
    } else if (s.anzeigestatus == 2) {
        c.f.GroupBox14.show();
    }
    s.pausensekundenbisher = s.pausensekunden;
    messung::pauseAbrechnen(c);
}

} // namespace

Einstellungsknoepfe buchstabenknoepfe(form::Tform1& f) {
    return {f.Button7, f.silber1, {&f.Button5, &f.Button14, &f.Button15, &f.grau1, &f.Pause1}, {}};
}

Einstellungsknoepfe wortknoepfe(form::Tform1& f) {
    return {f.Button8,
            f.Einstellungen1,
            {&f.Button18, &f.Button19, &f.Button20, &f.Pause1, &f.Pause2},
            {&f.Button14, &f.Button5}};
}

void offeneEinstellungenSchliessen(Context& c) {
    for (const auto& k : {buchstabenknoepfe(c.f), wortknoepfe(c.f)}) {
        if (k.knopf.caption() == kWeiter) {
            zuruecksetzen(c, k);
        }
    }
}

void einstellungenUmschalten(Context& c, const Einstellungsknoepfe& k) {
    for (form::Control* control : k.gesperrt) {
        control->setEnabled(false);
    }
    c.f.GroupBox5.hide();
    c.f.GroupBox14.hide();
    if (k.knopf.caption() != kWeiter) {
        oeffnen(c, k);
    } else {
        schliessen(c, k);
    }
}

} // namespace exercises
