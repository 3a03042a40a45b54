#include "app/navigation.h"

#include "exercises/texteditor.h"
#include "progress/fortschritt.h"
#include "state/programmdatei.h"

#include <numeric>

namespace {

constexpr int kTasteF1 = 112;

int teil(std::int32_t masz, double teiler) {
    return static_cast<int>(masz / teiler);
}

// Memo text as the window holds it: lines joined by CR LF.
std::string memotext(const form::Control& memo) {
    std::string text;
    for (const auto& zeile : memo.lines()) {
        if (&zeile != &memo.lines().front()) {
            text += "\r\n";
        }
        text += zeile;
    }
    return text;
}

} // namespace

void Extras(Context& c) {
    auto& f = c.f;
    const auto h = c.s.bildschirmhoehe;
    f.memo1verg.setEnabled(true);
    f.memo1verk.setEnabled(false);
    if (f.GroupBox10.visible()) {
        f.Memo1.show();
    }
    for (form::Control* box : {&f.GroupBox1, &f.GroupBox19, &f.GroupBox22, &f.GroupBox15,
                               &f.GroupBox5, &f.GroupBox7, &f.GroupBox10}) {
        box->hide();
    }
    fortschrittSchliessen(c);
    f.GroupBox16.show();
    f.GroupBox16.bringToFront();
    f.Memo1.setTop(teil(h, 1.54));
    f.Memo1.setHeight(teil(h, 4.2));
}

void Fingergym(Context& c) {
    c.f.GroupBox22.show();
    c.f.GroupBox22.bringToFront();
}

void Memo1vergroessern(Context& c) {
    auto& f = c.f;
    f.Memo1.setShowHint(false);
    if (f.ComboBox1.enabled()) {
        return; // nobody has signed in yet
    }
    f.memo1verg.setEnabled(false);
    f.memo1verk.setEnabled(true);
    f.GroupBox15.hide();
    f.Memo1.setTop(teil(c.s.bildschirmhoehe, 5.55));
    f.Memo1.setHeight(teil(c.s.bildschirmhoehe, 1.46));
    f.Memo1.bringToFront();
}

void Memo1verkleinern(Context& c) {
    auto& f = c.f;
    f.memo1verg.setEnabled(true);
    f.memo1verk.setEnabled(false);
    f.Memo1.setTop(teil(c.s.bildschirmhoehe, 1.54));
    f.Memo1.setHeight(teil(c.s.bildschirmhoehe, 4.3));
}

void Memo1markieren(Context& c) {
    c.f.Memo1.setSelStart(0);
    c.f.Memo1.setSelLength(static_cast<int>(memotext(c.f.Memo1).size()));
}

void copyclip(Context& c) {
    const auto& memo = c.f.Memo1;
    const std::string text = memotext(memo);
    const auto start = static_cast<std::size_t>(std::max(memo.selStart(), 0));
    if (start >= text.size() || memo.selLength() <= 0) {
        return;
    }
    c.svc.clipboard.setText(text.substr(start, static_cast<std::size_t>(memo.selLength())));
}

void hauptmenue(Context& c) {
    auto& f = c.f;
    speichernAnbieten(c);
    f.BitBtn6.setEnabled(false);
    for (form::Control* box : {&f.GroupBox24, &f.GroupBox10, &f.GroupBox25, &f.GroupBox16}) {
        box->hide();
    }
    for (form::Control* box : {&f.GroupBox3, &f.GroupBox5, &f.Memo1}) {
        box->show();
    }
    for (form::Control* m : {&f.Start1, &f.MenueTast, &f.MenueEinst, &f.MenueBenu, &f.MenueExtra}) {
        m->setEnabled(true);
    }
}

void Hilfe1Click(Context& c) {
    const auto hilfe = programmdatei(c.s, "Clavora.html");
    if (c.svc.opener.open(hilfe)) {
        return;
    }
    c.svc.messages.show("Help", "The help file \"" + hilfe.string() + "\" could not be opened.",
                        platform::Icon::Error, platform::Buttons::Ok);
}

void FormKeyUp(Context& c, int tastencode) {
    if (tastencode == kTasteF1) {
        Hilfe1Click(c);
    }
}
