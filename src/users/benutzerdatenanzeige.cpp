#include "users/benutzerdatenanzeige.h"

#include "settings/einstellungen.h"
#include "users/benutzersatz.h"

#include <array>
#include <string>

namespace {

// The longest line GroupBox8 has room for.
constexpr std::size_t kZeilenlaenge = 73;

std::string zweistellig(unsigned zahl) {
    return (zahl < 10 ? "0" : "") + std::to_string(zahl);
}

std::string letzteNutzung(const users::Benutzerdaten& d) {
    static constexpr std::array<const char*, 7> kTage = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const bool tagBekannt = d.wochentag >= 1 && d.wochentag <= 7;
    return std::string("Last use of the programme: ") +
           (tagBekannt ? kTage[d.wochentag - 1u] : "") + ", " + zweistellig(d.monat) + "-" +
           zweistellig(d.tag) + "-" + std::to_string(d.jahr);
}

std::string nutzungenText(unsigned nutzungen) {
    if (nutzungen == 1) {
        return "You use the programme for the first time.";
    }
    return "You used this programme " + std::to_string(nutzungen) + " times.";
}

void zeigen(Context& c) {
    auto& f = c.f;
    f.GroupBox24.hide();
    f.GroupBox25.hide();
    f.Memo1.show();
    f.memo1verg.setEnabled(true);
    f.memo1verk.setEnabled(false);
    for (form::Control* box : {&f.GroupBox1, &f.GroupBox5, &f.GroupBox10, &f.GroupBox15,
                               &f.GroupBox16, &f.GroupBox19, &f.GroupBox22}) {
        box->hide();
    }
    f.GroupBox7.show();
}

} // namespace

void Benutzerdatenanzeigen(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    zeigen(c);
    const auto satz = users::decode(s.benutzersatz);
    f.Label6.setCaption(("User name/ identifications: " + satz.name).substr(0, kZeilenlaenge));
    f.Label7.setCaption("Lesson: " + std::to_string(s.lektion) +
                        (s.lektionsteil == 0 ? " (letter-exercise)" : " (word-exercise)"));
    f.Label9.setCaption(zieltempoText(s.wunschanschlaege));
    f.Label10.setCaption(zielquoteText(s.wunschfehlerquote));
    f.Label14.setCaption("Starting time: " + zweistellig(s.programmstartstunde) + ":" +
                         zweistellig(s.programmstartminute));
    f.Label11.setCaption(letzteNutzung(satz));
    f.Label23.setCaption(nutzungenText(s.nutzungen));
    f.Memo1.setTop(static_cast<int>(s.bildschirmhoehe / 1.54));
    f.Memo1.setHeight(static_cast<int>(s.bildschirmhoehe / 4.2));
    // The real screen, not the 4:3 part of it the window is laid out on.
    const auto bildschirm = c.svc.screen.resolution();
    f.Label64.setCaption(std::to_string(bildschirm.width) + " x " +
                         std::to_string(bildschirm.height) + " dots");
    f.Label65.setCaption(std::to_string(c.svc.disk.freeBytes(s.programmverzeichnis) / 1024) +
                         " KB free.");
}
