#include "exercises/einstellungsumschalter.h"

#include "session/messung.h"

namespace exercises {
namespace {

void oeffnen(Context& c, const Einstellungsknoepfe& k) {
    auto& s = c.s;
    s.statusvoreinstellungen = s.anzeigestatus;
    s.anzeigestatus = 0;
    k.knopf.setCaption("Go on!");
    k.menue.setCaption("Go on!");
    c.f.GroupBox1.setTop(static_cast<int>(s.bildschirmhoehe / 2.5));
    c.f.GroupBox1.show();
}

void schliessen(Context& c, const Einstellungsknoepfe& k) {
    auto& s = c.s;
    k.knopf.setCaption("Settings");
    k.menue.setCaption("Settings");
    c.f.GroupBox1.hide();
    for (form::Control* control : k.gesperrt) {
        control->setEnabled(true);
    }
    for (form::Control* control : k.freigegeben) {
        control->setEnabled(true);
    }
    s.anzeigestatus = s.statusvoreinstellungen;
    if (s.anzeigestatus == 1) {
        c.f.GroupBox5.show();
    } else if (s.anzeigestatus == 2) {
        c.f.GroupBox14.show();
    }
    s.pausensekundenbisher = s.pausensekunden;
    messung::pauseAbrechnen(c);
}

} // namespace

void einstellungenUmschalten(Context& c, const Einstellungsknoepfe& k) {
    for (form::Control* control : k.gesperrt) {
        control->setEnabled(false);
    }
    c.f.GroupBox5.hide();
    c.f.GroupBox14.hide();
    if (k.knopf.caption() != "Go on!") {
        oeffnen(c, k);
    } else {
        schliessen(c, k);
    }
}

} // namespace exercises
