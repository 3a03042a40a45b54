#include "app/info.h"

#include "session/uhr.h"

namespace {

constexpr const char* kVersion = "Version 1.0 (2026)";

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
    const std::filesystem::path verzeichnis = s.programmverzeichnis;
    c.svc.about.show(
        {"Clavora", kVersion, verzeichnis / "about.svg", verzeichnis / "Clavora.html"});
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
