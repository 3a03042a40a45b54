#include "progress/fortschritt.h"

#include "exercises/texteditor.h"
#include "files/write_file.h"
#include "history/csv.h"
#include "history/recording.h"
#include "history/store.h"
#include "progress/diagramme.h"
#include "progress/schwache_tasten.h"
#include "progress/tastenwaerme.h"
#include "text/cp1252.h"

#include <cctype>
#include <optional>

namespace {

// GroupBox16's height on the 800-pixel design while it holds the Progress screen.
constexpr int kHoeheMitFortschritt = 472;
constexpr const char* kCsvFilter = "CSV files (*.csv)";

void meldung(Context& c, const std::string& text, platform::Icon icon) {
    c.svc.messages.show("Clavora", text, icon, platform::Buttons::Ok);
}

// The learner's history, or none (and the learner told why) when it cannot
// be read now. A damaged file is set aside as a write would do it.
std::optional<history::Progress> lesen(Context& c) {
    if (c.verlauf == nullptr) {
        meldung(c, "This program keeps no progress history.", platform::Icon::Information);
        return std::nullopt;
    }
    history::Progress fortschritt;
    const auto ergebnis = c.verlauf->read(text::toUtf8(c.s.benutzername), fortschritt);
    if (ergebnis.outcome == history::Outcome::Unavailable) {
        meldung(c,
                "The progress history \"history.sqlite\" cannot be read just now; another "
                "program may be using it.\r\rPlease try again in a moment.",
                platform::Icon::Warning);
        return std::nullopt;
    }
    history::beschaedigtMelden(c, ergebnis);
    return fortschritt;
}

std::string zeichenname(const std::string& zeichen) {
    if (zeichen == " ") {
        return "Space";
    }
    if (zeichen == "\n") {
        return "Enter";
    }
    return text::fromUtf8(zeichen);
}

std::vector<std::string> paarzeilen(const std::vector<history::FaultPair>& paare) {
    if (paare.empty()) {
        return {"No faults recorded yet."};
    }
    std::vector<std::string> zeilen;
    for (const auto& p : paare) {
        zeilen.push_back(std::to_string(p.count) + " x  typed " + zeichenname(p.typed) +
                         " instead of " + zeichenname(p.expected));
    }
    return zeilen;
}

std::string uebersicht(const std::vector<history::ExerciseRow>& uebungen) {
    if (uebungen.empty()) {
        return "No exercises recorded yet.";
    }
    const std::string anzahl =
        uebungen.size() == 1 ? "1 exercise" : std::to_string(uebungen.size()) + " exercises";
    return anzahl + " since " + uebungen.front().started.substr(0, 10);
}

void legendeFaerben(form::Tform1& f) {
    f.PanelHeat0.setColor(fortschritt::waermefarbe(0));
    f.PanelHeat5.setColor(fortschritt::waermefarbe(fortschritt::kGelbAb));
    f.PanelHeat10.setColor(fortschritt::waermefarbe(fortschritt::kRotAb));
    f.PanelHeat10.setFontColor(form::colours::white);
    f.PanelHeatNone.setColor(fortschritt::kZuWenig);
}

void anzeigen(Context& c, const history::Progress& p) {
    auto& f = c.f;
    const auto& s = c.s;
    f.ChartSpeed.setChart(fortschritt::tempoDiagramm(p.exercises, s.wunschanschlaege));
    f.ChartFaults.setChart(fortschritt::fehlerDiagramm(p.exercises, s.wunschfehlerquote));
    f.KeyMapFaults.setKeyCells(fortschritt::tastenwaerme(f.tastatur, s.tastaturcode, p.keys));
    f.MemoPairs.setLines(paarzeilen(p.pairs));
    f.LabelProgressInfo.setCaption(uebersicht(p.exercises));
    f.ButtonExport.setEnabled(!p.exercises.empty());
    f.ButtonWeakKeys.setEnabled(!fortschritt::schwacheTasten(s.tastaturcode, p.keys).empty());
    legendeFaerben(f);
}

// A file name from the learner's name that any file system takes.
std::string dateiname(const std::string& benutzer) {
    std::string name = "clavora-progress-";
    for (const unsigned char z : benutzer) {
        name += std::isalnum(z) != 0 ? static_cast<char>(std::tolower(z)) : '_';
    }
    return name + ".csv";
}

} // namespace

void ButtonProgressClick(Context& c) {
    const auto fortschritt = lesen(c);
    if (!fortschritt) {
        return;
    }
    auto& f = c.f;
    anzeigen(c, *fortschritt);
    for (form::Control* box : {&f.GroupBox17, &f.GroupBox21, &f.GroupBox13, &f.GroupBox18}) {
        box->hide();
    }
    f.GroupBoxProgress.show();
    f.GroupBox16.setHeight(f.scaled(kHoeheMitFortschritt));
    f.GroupBox16.bringToFront();
    // The help text under the Extras screen stays covered; enlarged it would
    // lie over the charts.
    f.memo1verg.setEnabled(false);
}

void fortschrittSchliessen(Context& c) {
    auto& f = c.f;
    f.GroupBoxProgress.hide();
    for (form::Control* box : {&f.GroupBox17, &f.GroupBox21, &f.GroupBox13, &f.GroupBox18}) {
        box->show();
    }
    f.GroupBox16.setHeight(f.scaled(f.GroupBox16.designGeometry().height));
}

void ButtonWeakKeysClick(Context& c) {
    const auto fortschritt = lesen(c);
    if (!fortschritt) {
        return;
    }
    const auto schwache = fortschritt::schwacheTasten(c.s.tastaturcode, fortschritt->keys);
    if (schwache.empty()) {
        meldung(c,
                "No key has enough faults to practise yet.\r\rPlease do a few more exercises "
                "first.",
                platform::Icon::Information);
        return;
    }
    std::string titel = "Practise weak keys:";
    for (const auto z : schwache) {
        titel += ' ';
        titel += static_cast<char>(z);
    }
    textVorschauen(c, fortschritt::uebungszeilen(schwache, c.svc.random), titel);
}

void ButtonExportClick(Context& c) {
    const auto fortschritt = lesen(c);
    if (!fortschritt) {
        return;
    }
    if (fortschritt->exercises.empty()) {
        meldung(c, "There are no exercises to export yet.", platform::Icon::Information);
        return;
    }
    auto ziel = c.svc.files.save(dateiname(c.s.benutzername), kCsvFilter);
    if (!ziel) {
        return;
    }
    if (!ziel->has_extension()) {
        *ziel += ".csv";
    }
    const std::string fehler =
        files::writeFileAtomically(*ziel, history::exercisesCsv(fortschritt->exercises));
    if (!fehler.empty()) {
        meldung(c,
                "The exercises could not be saved:\r\r" + fehler + "\r\r" +
                    text::fromUtf8(ziel->string()),
                platform::Icon::Error);
        return;
    }
    c.f.LabelProgressInfo.setCaption(std::to_string(fortschritt->exercises.size()) +
                                     " exercises saved in " +
                                     text::fromUtf8(ziel->filename().string()));
}
