#include "users/benutzerliste.h"

#include "history/recording.h"
#include "users/anmeldung.h"
#include "users/benutzerdatei.h"
#include "users/benutzersatz.h"
#include "users/datenaufdiskschreiben.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

namespace {

// From this many users on the list needs the room of the welcome text.
constexpr std::size_t kListeOhneWillkommen = 8;
constexpr std::size_t kPasswortLaenge = 12;

using Zeile = std::vector<std::string>;

std::string rechtsbuendig(unsigned zahl, std::size_t breite) {
    std::string text = std::to_string(zahl);
    return text.size() < breite ? std::string(breite - text.size(), ' ') + text : text;
}

std::string zweistellig(unsigned zahl) {
    return (zahl < 10 ? "0" : "") + std::to_string(zahl);
}

std::string letzteNutzung(const users::Benutzerdaten& d) {
    static constexpr std::array<const char*, 7> kTage = {" SUN, ", " MON, ", " TUE, ", " WEN, ",
                                                         " THU, ", " FRI, ", " SAT, "};
    // A weekday no program writes (a damaged record) shows as none.
    const bool tagBekannt = d.wochentag >= 1 && d.wochentag <= 7;
    return (tagBekannt ? kTage[d.wochentag - 1u] : " ---, ") + zweistellig(d.tag) + "." +
           zweistellig(d.monat) + "." + std::to_string(d.jahr);
}

Zeile listenzeile(std::size_t nummer, const users::Benutzerdaten& d) {
    return {rechtsbuendig(static_cast<unsigned>(nummer), 3), " " + d.name,
            rechtsbuendig(d.lektion, 3) + (d.lektionsteil == 1 ? " W" : " L"), letzteNutzung(d),
            rechtsbuendig(d.nutzungen, 4)};
}

void kopfzeile(Context& c, std::vector<Zeile>& zeilen) {
    const int w = c.s.bildschirmbreite;
    auto& grid = c.f.StringGrid2;
    grid.setColWidth(0, static_cast<int>(w / 14));
    // The count's header needs more room than w / 11 in this desktop's
    // fonts; it takes it from the wide name column, so the row keeps its width.
    const int anzahlBreite = static_cast<int>(w / 8.5);
    grid.setColWidth(1, static_cast<int>(w / 2.1) - (anzahlBreite - static_cast<int>(w / 11)));
    grid.setColWidth(2, static_cast<int>(w / 11));
    grid.setColWidth(3, static_cast<int>(w / 5));
    grid.setColWidth(4, anzahlBreite);
    zeilen.push_back(
        {" No.", " User name/ identification", " Lesson", " Last use", " Used x times"});
}

void platzFuerListe(Context& c, std::size_t anzahl) {
    auto& f = c.f;
    const int h = c.s.bildschirmhoehe;
    if (anzahl >= kListeOhneWillkommen) {
        f.Memo1.hide();
        return;
    }
    f.Memo1.show();
    f.Memo1.setTop(static_cast<int>(h / 1.54));
    f.Memo1.setHeight(static_cast<int>(h / 4.2));
    f.StringGrid2.setHeight(static_cast<int>(h / 2.79));
    f.GroupBox10.setHeight(static_cast<int>(h / 2.31));
}

// The name as the row shows it, without the blank in front.
std::string nameInZeile(const form::Control& grid, int zeile) {
    const auto& cells = grid.cells();
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= cells.size() || cells[zeile].size() < 2) {
        return {};
    }
    const std::string& zelle = cells[zeile][1];
    return zelle.empty() ? zelle : zelle.substr(1);
}

void zeigeVerweigerung(Context& c) {
    c.svc.messages.show("Clavora", "Permission denied!\r\rActive users cannot be deleted!",
                        platform::Icon::Error, platform::Buttons::OkCancel);
}

void zeigeVerschwunden(Context& c, const std::string& name) {
    c.svc.messages.show("Clavora",
                        "The user \"" + name +
                            "\" is no longer in the user file.\r\rThe list shows the file as it "
                            "is now.",
                        platform::Icon::Information, platform::Buttons::Ok);
}

// After a deletion the name box lists who is left.
void namenNeu(Context& c, const std::filesystem::path& datei) {
    auto namen = users::listNames(datei);
    if (!namen) {
        users::dateifehlerMelden(c, namen.error());
        return;
    }
    benutzernamenEintragen(c, std::move(*namen));
}

} // namespace

void benutzerdatei_einsehen(Context& c) {
    auto& f = c.f;
    if (!datenaufdiskschreiben(c)) {
        return;
    }
    f.StringGrid2.setFontColor(form::colours::black);
    std::vector<Zeile> zeilen;
    kopfzeile(c, zeilen);
    for (form::Control* box : {&f.ComboBox1, &f.GroupBox1, &f.GroupBox5, &f.GroupBox7,
                               &f.GroupBox16, &f.Panel4, &f.BoxBuchstabenuebung}) {
        box->hide();
    }
    // benutzersatz keeps the signed-in learner's record, just written: the
    // user data and the own colours read it.
    users::Satz satz{};
    const auto anzahl =
        users::visitAll(users::benutzerdatei(c.s.programmverzeichnis),
                        [&](std::span<const std::uint8_t, kSatzGroesse> v) {
                            std::copy(v.begin(), v.end(), satz.begin());
                            zeilen.push_back(listenzeile(zeilen.size(), users::listenfelder(satz)));
                        });
    if (!anzahl) {
        users::dateifehlerMelden(c, anzahl.error());
        return;
    }
    zeilen.resize(*anzahl + 1u);
    f.StringGrid2.setCells(std::move(zeilen));
    // A question left open asked about a row the new list may no longer have.
    f.Panel3.hide();
    platzFuerListe(c, *anzahl);
    f.GroupBox10.show();
}

void ben_loeschen(Context& c, int /*spalte*/, int zeile) {
    auto& s = c.s;
    auto& f = c.f;
    f.Button24.setEnabled(false);
    const auto anzahl = users::countUsers(users::benutzerdatei(s.programmverzeichnis));
    if (!anzahl) {
        users::dateifehlerMelden(c, anzahl.error());
        return;
    }
    s.loeschzeile = zeile;
    // A row the list shows and the file still has.
    const int zeilen = static_cast<int>(f.StringGrid2.cells().size()) - 1;
    s.loeschfreigabe = zeile >= 1 && zeile <= *anzahl && zeile <= zeilen;
    if (!s.loeschfreigabe) {
        return;
    }
    f.Panel3.show();
    f.Panel3.bringToFront();
    f.Label68.setFontColor(form::rgb(255, 0, 0));
    f.Label68.setCaption("Do you want to delete user no." + std::to_string(zeile) + "\r\"" +
                         f.StringGrid2.cells()[zeile][1] + "\"\r irrevocably from the user list?");
    f.Edit3.setMaxLength(static_cast<int>(kPasswortLaenge));
    f.setFocused(&f.Edit3);
}

void killhim(Context& c) {
    auto& s = c.s;
    if (!s.loeschfreigabe) {
        return;
    }
    c.f.Panel3.hide();
    const std::string name = nameInZeile(c.f.StringGrid2, s.loeschzeile);
    if (name == s.benutzername) {
        zeigeVerweigerung(c);
        return;
    }
    const auto datei = users::benutzerdatei(s.programmverzeichnis);
    const auto geloescht =
        users::deleteUser(datei, static_cast<std::uint16_t>(s.loeschzeile - 1), name);
    if (!geloescht) {
        users::dateifehlerMelden(c, geloescht.error());
        return;
    }
    users::sicherungMelden(c, geloescht->backup);
    if (geloescht->outcome == users::DeleteOutcome::NotFound) {
        zeigeVerschwunden(c, name);
    } else {
        history::benutzerLoeschen(c, name);
    }
    benutzerdatei_einsehen(c);
    namenNeu(c, datei);
}

void nichtloeschen(Context& c) {
    c.f.Panel3.hide();
}

void Edit3Change(Context& c) {
    std::string text = c.f.Edit3.text();
    for (char& zeichen : text) {
        const auto z = static_cast<std::uint8_t>(zeichen);
        const bool gross = (z >= 'A' && z <= 'Z') || (z >= 0xC0 && z <= 0xDE && z != 0xD7);
        if (gross) {
            zeichen = static_cast<char>(z + 32);
        }
    }
    c.f.Edit3.setText(std::move(text));
}
