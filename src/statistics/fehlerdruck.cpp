#include "statistics/fehlerdruck.h"

#include "text/cp1252.h"

#include <algorithm>

namespace {

constexpr std::size_t kZeilenlaenge = 54;
constexpr std::size_t kErsteSpalte = 23;
constexpr std::size_t kLektionsspalte = 4;
constexpr int kZeilenDerTabelle = 10;
constexpr int kSpaltenDerTabelle = 17;
constexpr int kQuerformatPunkte = 14;
constexpr int kHochformatPunkte = 10;

std::string zelle(const form::Control& tabelle, int spalte, int zeile) {
    const auto& zellen = tabelle.cells();
    if (zeile >= static_cast<int>(zellen.size())) {
        return {};
    }
    const auto& reihe = zellen[static_cast<std::size_t>(zeile)];
    return spalte < static_cast<int>(reihe.size()) ? reihe[static_cast<std::size_t>(spalte)]
                                                   : std::string();
}

// A cell and the blanks that fill it to its column's width; a longer text
// gets none.
std::string aufgefuellt(std::string text, std::size_t breite) {
    text.append(breite > text.size() ? breite - text.size() : 0, ' ');
    return text;
}

std::string tabellenzeile(const form::Control& tabelle, int zeile) {
    std::string text = aufgefuellt(zelle(tabelle, 0, zeile), kErsteSpalte);
    for (int spalte = 1; spalte < kSpaltenDerTabelle; ++spalte) {
        text += aufgefuellt(zelle(tabelle, spalte, zeile), kLektionsspalte);
    }
    return text;
}

std::string datum(const platform::Date& heute) {
    return std::to_string(heute.day) + "." + std::to_string(heute.month) + "." +
           std::to_string(heute.year);
}

std::vector<form::RichParagraph> absaetze(const std::vector<std::string>& zeilen) {
    std::vector<form::RichParagraph> result;
    for (const auto& zeile : zeilen) {
        form::TextRun lauf;
        lauf.text = zeile;
        result.push_back({lauf});
    }
    return result;
}

} // namespace

std::vector<std::string> fehlertabellenDruckzeilen(Context& c) {
    std::string schueler = "\tStudent: " + c.s.benutzername;
    schueler.resize(std::min(schueler.size(), kZeilenlaenge));
    std::vector<std::string> zeilen = {"Fault statistics of the lessons 1 - 16 [%]", "", schueler,
                                       ""};
    for (int zeile = 0; zeile < kZeilenDerTabelle; ++zeile) {
        zeilen.push_back(tabellenzeile(c.f.StringGrid1, zeile));
    }
    zeilen.emplace_back();
    zeilen.push_back(datum(c.svc.clock.today()));
    return zeilen;
}

void BitBtn7Click(Context& c) {
    const auto antwort = c.svc.messages.show("Clavora", "Print fault statistics?",
                                             platform::Icon::Question, platform::Buttons::YesNo);
    if (antwort != platform::Answer::Yes) {
        return;
    }
    // The rich-text box of the writing rules is the print buffer, emptied again
    // after the job.
    auto& puffer = c.f.RichEdit2;
    puffer.setRichText({});
    const bool quer = c.svc.printer.orientation() == platform::Orientation::Landscape;
    const form::FontSpec schrift{"Courier New", quer ? kQuerformatPunkte : kHochformatPunkte, 0};
    puffer.setFont(schrift);
    const auto zeilen = fehlertabellenDruckzeilen(c);
    puffer.setRichText(absaetze(zeilen));
    const auto ergebnis = c.svc.printer.printText("\"Clavora\" fault statistics", schrift, zeilen);
    puffer.setRichText({});
    druckergebnisMelden(c, ergebnis, "The fault statistics");
}

void BitBtn8Click(Context& c) {
    c.svc.printer.setup();
}

void druckergebnisMelden(Context& c, const platform::PrintOutcome& ergebnis,
                         const std::string& was) {
    using Kind = platform::PrintOutcome::Kind;
    if (ergebnis.kind == Kind::SavedAsPdf) {
        c.svc.messages.show("Clavora",
                            was + " went to a PDF file, as no printer is set up:\r\r" +
                                text::fromUtf8(ergebnis.pdf.string()),
                            platform::Icon::Information, platform::Buttons::Ok);
    } else if (ergebnis.kind == Kind::Failed) {
        c.svc.messages.show("Clavora", was + " could not be printed:\r\r" + ergebnis.reason,
                            platform::Icon::Error, platform::Buttons::Ok);
    }
}
