#include "users/datenaufdiskschreiben.h"

#include "text/cp1252.h"
#include "users/benutzerdatei.h"
#include "users/benutzersatz.h"
#include "users/sitzungsuebertragung.h"

namespace users {

void dateifehlerMelden(Context& c, const IoError& fehler) {
    const auto datei = benutzerdatei(c.s.programmverzeichnis);
    c.svc.messages.show("Clavora", fehler.text + "\r\r" + text::fromUtf8(datei.string()),
                        platform::Icon::Error, platform::Buttons::Ok);
}

void sicherungMelden(Context& c, const std::optional<std::filesystem::path>& kopie) {
    if (!kopie) {
        return;
    }
    c.svc.messages.show("Clavora", sicherungshinweis(*kopie), platform::Icon::Warning,
                        platform::Buttons::Ok);
}

} // namespace users

bool datenaufdiskschreiben(Context& c) {
    auto& s = c.s;
    if (s.wiederholungaktiv) {
        s.lektion = s.gemerktelektion;
        s.lektionsteil = s.gemerkterteil;
    }
    const int farbschema = c.f.ComboBox2.itemIndex();
    const users::Steuerwerte steuer{c.f.Panel1.color(), farbschema, c.f.ScrollBar3.position()};
    const auto daten = users::ausSitzung(s, c.svc.clock.today(), steuer);
    auto ergebnis =
        users::writeUser(users::benutzerdatei(s.programmverzeichnis), daten, s.benutzersatz);
    if (!ergebnis) {
        users::dateifehlerMelden(c, ergebnis.error());
        return false;
    }
    users::sicherungMelden(c, ergebnis->backup);
    return true;
}
