#include "users/neuer_benutzer.h"

#include <algorithm>

namespace {

std::uint8_t schriftgroesse(std::int32_t breite, double teiler) {
    // The size is kept in one byte.
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(breite / teiler), 1, 255));
}

} // namespace

void neuerBenutzerInSitzung(Context& c) {
    auto& s = c.s;
    const auto w = s.bildschirmbreite;
    s.lektion = 1;
    s.lektionsteil = 0;
    s.farbeKleinfinger = form::rgb(0, 83, 225);
    s.farbeRingfinger = form::rgb(0, 180, 225);
    s.farbeMittelfinger = form::rgb(112, 208, 255);
    s.farbeZeigefinger = form::rgb(184, 255, 217);
    s.farbeDaumen = form::rgb(82, 255, 246);
    s.nutzungen = 1;
    s.wunschanschlaege = 40;
    s.wunschfehlerquote = 3.5F;
    s.korrekturerzwingen = true;
    s.schriftgroesseBuchstabe = schriftgroesse(w, 6.6);
    s.schriftgroesseWort = schriftgroesse(w, 44);
    s.schriftgroesseText = schriftgroesse(w, 57);
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        s.lektionsfehlerquoten[finger].fill(101);
    }
    s.buchstabenuebungbestanden.fill(false);
    s.wortuebungbestanden.fill(false);
    s.schriftBuchstabe = "Times New Roman";
    s.schriftWort = "Times New Roman";
    s.schriftText = "Times New Roman";
    s.fingerBuchstaben.fill({});
    s.tastaturschriftweiss = false;
    s.skalierung = 25;
    s.anteilBekannte = 30;
    s.schriftstilWort = 1;
    s.schriftstilText = 0;
    s.stimme = false;
    s.fehlerton = true;
}
