#include "keyboard/tastaturaktiviert.h"

#include "form/contrast.h"
#include "keyboard/fingerfarbe.h"
#include "keyboard/tastaturfarben.h"
#include "keyboard/tastenlicht.h"

namespace keyboard {

void tastaturaktiviert(Context& c, std::uint8_t zeichen) {
    auto& f = c.f;
    f.memo1verg.setEnabled(true);
    f.memo1verk.setEnabled(false);
    if (f.GroupBox10.visible()) {
        f.Memo1.show();
    }
    for (form::Control* box : {&f.GroupBox1, &f.GroupBox7, &f.GroupBox10, &f.GroupBox14,
                               &f.GroupBox15, &f.GroupBox22, &f.GroupBox16, &f.GroupBox19}) {
        box->hide();
    }
    f.Button19.setEnabled(true);
    f.Memo1.setTop(static_cast<int>(c.s.bildschirmhoehe / 1.54));
    f.Memo1.setHeight(static_cast<int>(c.s.bildschirmhoehe / 4.2));
    tastenLeuchten(f.tastatur, c.s.tastaturcode, zeichen);
    f.GroupBox5.show();
}

void Tastatur(Context& c) {
    auto& f = c.f;
    f.GroupBox24.hide();
    f.GroupBox25.hide();
    f.Button5.setEnabled(false);
    f.Button18.setEnabled(false);
    f.Button5.setEnabled(true);
    f.Button18.setEnabled(true);
    c.s.anzeigestatus = Anzeige::Tastatur;
    tastaturaktiviert(c, kKeineTaste);
}

void einstellungsvorschau(Context& c) {
    auto& f = c.f;
    const auto& s = c.s;
    if (const auto farbe = vorschaufarbe(s, s.zeichenfolge[s.zeichenindex % kZeichenAnzahl])) {
        form::setReadableFontColor(f.Panel1, *farbe);
    }
    legendeFaerben(c);
    f.Panel1.setFontSize(s.schriftgroesseBuchstabe);
}

} // namespace keyboard
