#include "exercises/wortuebung.h"

#include "exercises/uebungen.h"
#include "keyboard/tastaturaktiviert.h"

#include <string>

namespace {

int schriftgroesse(const Context& c, double groesse) {
    return static_cast<int>(groesse / (c.svc.screen.pixelsPerInch() / 96.0));
}

void startaufforderung(Context& c) {
    c.s.wortzeichenposition = 1;
    c.f.Edit2.setText(" S T A R T the word-exercise lesson " + std::to_string(c.s.lektion) +
                      " with any key!");
}

std::string boxTitel(const Sitzungszustand& s) {
    const std::string nummer = std::to_string(s.lektion);
    if (s.zeittest) {
        return "Examination lesson " + nummer;
    }
    return (s.wiederholungaktiv ? "Repetition " : "") + std::string("Word-exercise lesson ") +
           nummer;
}

} // namespace

void Wortuebungeinrichten(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.CheckBox2.setEnabled(false);
    f.GroupBox24.hide();
    f.GroupBox25.hide();
    f.Memo1.hide();
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
    s.anzeigestatus = 1;
    s.wortzeichenposition = 0;
    s.zeilenlaenge = 0;
    f.Edit2.setFont({s.schriftWort, schriftgroesse(c, s.schriftgroesseWort), s.schriftstilWort});
    f.Edit2.show();
    f.Panel4.show();
    f.GroupBox5.show();
    f.GroupBox14.hide();
    s.anschlaegeText = 0;
    s.fehlerText = 0;
    s.fingerWort.fill({});
    s.lernfortschritt = 0;
    s.tastenzeichen = keyboard::kKeineTaste;
    f.GroupBox12.setCaption(boxTitel(s));
    if (!s.buchstabenuebungaktiv) {
        uebungen(c, s.tastenzeichen);
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
    s.pausensekunden = 0;
    s.pausensekundenbisher = 0;
    s.wortuebungaktiv = true;
    f.Label24.setCaption("Keystrokes: 0");
    f.Label27.setCaption("Fault rate: 0.00 %");
    f.Label26.setCaption("Faults: 0");
}

void Wortuebung(Context& c, std::uint8_t zeichen) {
    if (zeichen == keyboard::kKeineTaste || !c.s.wortuebungaktiv || c.s.anzeigestatus == 3) {
        startaufforderung(c);
    }
}
