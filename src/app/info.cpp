#include "app/info.h"

#include "app/version.h"

#include "session/uhr.h"
#include "state/programmdatei.h"

namespace {

constexpr const char* kVersion = "Version " CLAVORA_VERSION;

bool uebungLaeuft(const Sitzungszustand& s) {
    return s.buchstabenuebungaktiv || s.wortuebungaktiv || s.eigenetexteaktiv;
}

void uebungsknoepfe(form::Tform1& f, bool frei) {
    for (form::Control* knopf : {&f.Button15, &f.Button6, &f.Button20, &f.Button21}) {
        knopf->setEnabled(frei);
    }
}

} // namespace

void Info1Click(Context& c) {
    auto& s = c.s;
    const bool laeuft = uebungLaeuft(s);
    if (laeuft && wirdGemessen(s.anzeigestatus)) {
        BPause(c);
    }
    if (laeuft) {
        uebungsknoepfe(c.f, false);
    }
    c.svc.about.show({"Clavora", kVersion, programmdatei(s, "about.svg"),
                      programmdatei(s, "Clavora.html")});
    if (s.buchstabenuebungaktiv || s.wortuebungaktiv) {
        if (s.anzeigestatus == Anzeige::Pause) {
            BPause(c);
        }
        uebungsknoepfe(c.f, true);
    }
    if (s.zeittest && s.restminuten == 0) {
        pruefungBeenden(c);
    }
}
