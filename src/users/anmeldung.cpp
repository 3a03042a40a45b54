#include "users/anmeldung.h"

#include "history/recording.h"
#include "keyboard/farbschemata.h"
#include "keyboard/farbwahl.h"
#include "keyboard/schriftwahl.h"
#include "keyboard/tastaturlayout.h"
#include "measurement/messung.h"
#include "settings/einstellungen.h"
#include "settings/pruefung.h"
#include "statistics/fehlerstatistik.h"
#include "users/benutzerdatei.h"
#include "users/bereinigen.h"
#include "users/datenaufdiskschreiben.h"
#include "users/namensfolge.h"
#include "users/sitzungsuebertragung.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kEnter = 13;

bool leerzeichen(char zeichen) {
    return static_cast<std::uint8_t>(zeichen) <= 32;
}

std::string grossgeschrieben(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char zeichen) {
        return zeichen >= 'a' && zeichen <= 'z' ? static_cast<char>(zeichen - 'a' + 'A') : zeichen;
    });
    return text;
}

std::string benutzernameAus(const std::string& eingabe) {
    auto anfang = std::find_if_not(eingabe.begin(), eingabe.end(), leerzeichen);
    std::string name(anfang, eingabe.end());
    name.resize(std::min(name.size(), users::kNameMax));
    while (!name.empty() && leerzeichen(name.back())) {
        name.pop_back();
    }
    return name;
}

void freischalten(Context& c) {
    auto& f = c.f;
    for (form::Control* frei :
         {&f.Start9, &f.Tastatur9, &f.Einstellungen9, &f.Benutzerdaten9, &f.Extras9,
          &f.EigeneTexteUeben9, &f.Start1, &f.MenueTast, &f.MenueEinst, &f.MenueExtra, &f.MenueBenu,
          &f.BitBtn2, &f.Button2, &f.Button3, &f.Button10, &f.Button22, &f.GroupBox1}) {
        frei->setEnabled(true);
    }
    f.Memo1.setShowHint(true);
    f.memo1verg.setEnabled(true);
    f.memo1verk.setEnabled(false);
    c.s.angemeldet = true;
    f.ComboBox1.hide();
    f.ComboBox1.setEnabled(false);
    f.Label5.hide();
    f.Memo1.show();
    f.Memo1.setTop(static_cast<int>(c.s.bildschirmhoehe / 1.54));
    f.Memo1.setHeight(static_cast<int>(c.s.bildschirmhoehe / 4.615));
}

// Finds the learner's record, or appends a new one. False when the file
// failed; the learner has been told.
bool satzHolen(Context& c, const std::filesystem::path& datei) {
    auto& s = c.s;
    if (auto gesichert = users::ensureFile(datei); !gesichert) {
        users::dateifehlerMelden(c, gesichert.error());
        return false;
    }
    auto fund = users::findUser(datei, s.benutzername);
    if (!fund) {
        users::dateifehlerMelden(c, fund.error());
        return false;
    }
    if (*fund) {
        s.benutzersatz = (*fund)->satz;
        return true;
    }
    const auto neu = users::neuerBenutzer(s.benutzername, c.svc.clock.today(), s.bildschirmbreite);
    users::encode(neu, s.benutzersatz);
    c.f.ScrollBar3.setPosition(10);
    c.f.Label97.setCaption("10 min");
    auto angehaengt = users::appendUser(datei, s.benutzersatz);
    if (!angehaengt) {
        users::dateifehlerMelden(c, angehaengt.error());
        return false;
    }
    users::sicherungMelden(c, angehaengt->backup);
    return true;
}

void layoutAnwenden(Context& c) {
    using Layout = void (*)(Context&);
    static constexpr Layout kLayouts[] = {keyboard::TastaturDeutsch, keyboard::TastaturSchweiz,
                                          keyboard::TastaturUSA, keyboard::TastaturUK};
    kLayouts[std::min<std::size_t>(c.s.tastaturcode, 3)](c);
}

void steuerelementeLaden(Context& c, const users::Benutzerdaten& daten) {
    auto& s = c.s;
    auto& f = c.f;
    const auto grenze = s.bildschirmbreite / 6.15;
    if (s.schriftgroesseBuchstabe > grenze) {
        s.schriftgroesseBuchstabe =
            static_cast<std::uint8_t>(std::min(255, static_cast<int>(s.bildschirmbreite / 6.2)));
    }
    f.ScrollBar3.setPosition(daten.testdauer);
    f.Label97.setCaption(std::to_string(daten.testdauer) + " min");
    ScrollBar3Change(c);
    f.CheckBox1.setChecked(s.fehlerton);
    f.BeiTippfehler1.setChecked(s.fehlerton);
    f.CheckBox2.setChecked(s.stimme);
    f.Label1.setCaption(zieltempoText(s.wunschanschlaege));
    f.Label2.setCaption(zielquoteText(s.wunschfehlerquote));
    f.Panel1.setColor(daten.buchstabenfeldfarbe);
    FehlerstatistikSkalierung(c);
    f.TrackBar1.setPosition(s.wunschanschlaege);
    f.TrackBar2.setPosition(static_cast<int>(messung::rundenGerade(s.wunschfehlerquote * 10.0)));
    f.TrackBar3.setPosition(s.anteilBekannte);
    f.Label15.setCaption("known letters to " + std::to_string(s.anteilBekannte) + " %");
    layoutAnwenden(c);
    keyboard::farbschemaZeigen(c, daten.farbschema);
    keyboard::farbenZeigen(c);
    keyboard::schriftenZeigen(c);
    f.Edit2.setFontStyle(s.schriftstilWort);
    for (form::Control* memo : {&f.Memo4, &f.Memo3}) {
        memo->setFont({s.schriftText, s.schriftgroesseText, s.schriftstilText});
    }
}

void anmelden(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.ComboBox1.setText(grossgeschrieben(f.ComboBox1.text()));
    s.benutzername = benutzernameAus(f.ComboBox1.text());
    freischalten(c);
    const auto datei = users::benutzerdatei(s.programmverzeichnis);
    if (!satzHolen(c, datei)) {
        return;
    }
    auto daten = users::decode(s.benutzersatz);
    users::bereinigen(daten, {s.bildschirmbreite, [&c](const std::string& name) {
                                  return c.svc.fonts.familyUsedFor(name);
                              }});
    users::inSitzung(daten, s);
    steuerelementeLaden(c, daten);
}

} // namespace

void editfeld(Context& c, std::uint8_t& taste) {
    if (taste == kEnter && !c.f.ComboBox1.text().empty() && !c.s.angemeldet) {
        anmelden(c);
        if (c.s.angemeldet) {
            history::verlaufOeffnen(c);
        }
    }
    c.f.Label21.setCaption(c.s.tastaturcode >= 2 ? "a s d f  j k l ; + Space"
                                                 : "a s d f  j k l \xF6 + Space");
}

void benutzernamenLesen(Context& c) {
    c.f.ComboBox1.setText("");
    c.s.satzanzahl = 0;
    const auto datei = users::benutzerdatei(c.s.programmverzeichnis);
    std::error_code fehlt;
    if (!std::filesystem::exists(datei, fehlt)) {
        return; // a first start: the file comes with the first sign-in
    }
    auto namen = users::listNames(datei);
    if (!namen) {
        users::dateifehlerMelden(c, namen.error());
        return;
    }
    benutzernamenEintragen(c, std::move(*namen));
}

void benutzernamenEintragen(Context& c, std::vector<std::string> namen) {
    c.s.satzanzahl = static_cast<std::uint16_t>(namen.size());
    users::namenSortieren(namen);
    c.f.ComboBox1.setItems(std::move(namen));
}
