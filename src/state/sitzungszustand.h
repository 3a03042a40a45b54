#pragma once

#include "form/control.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The one process-wide session record. Plain data: every subsystem reads and
// writes its fields directly, under the names the program gives them.

struct FingerZaehler {
    std::int16_t anschlaege = 0;
    std::int16_t fehler = 0;
};

// Indexed 1..9 like the program's finger numbers; slot 0 is unused.
using FingerPaare = std::array<FingerZaehler, 10>;
using FingerWerte = std::array<std::uint16_t, 10>;

// What the exercise screen shows, and with it whether the clock measures.
// The numbers are the program's own and are printed as such.
enum class Anzeige : std::uint8_t {
    KeineMessung = 0,    // start-up, or a Settings box open during an exercise
    Tastatur = 1,        // the keyboard view
    Fehlerstatistik = 2, // the live fault statistics of the exercise
    Pause = 3,
    Gesamtstatistik = 4, // the overall fault statistics, opened from Extras
};

// The clock and the keystrokes of the letter exercise stop while a Settings
// box is open or the exercise is paused.
constexpr bool wirdGemessen(Anzeige anzeige) {
    return anzeige != Anzeige::KeineMessung && anzeige != Anzeige::Pause;
}

// A fault as the history keeps it: the character expected and the one typed.
struct Fehlerpaar {
    std::uint8_t erwartet = 0;
    std::uint8_t getippt = 0;
};

constexpr std::size_t kZeichenAnzahl = 87;
constexpr std::size_t kSatzGroesse = 560;

struct Sitzungszustand {
    // Mode flags
    bool buchstabenuebungaktiv = false;
    bool wortuebungaktiv = false;
    bool eigenetexteaktiv = false;
    std::uint8_t lektionsteil = 0;
    Anzeige anzeigestatus = Anzeige::KeineMessung;
    Anzeige statusvorpause = Anzeige::KeineMessung;
    Anzeige statusvoreinstellungen = Anzeige::KeineMessung;
    // The pause toggle goes by this, not by anzeigestatus: a view chosen
    // while paused changes anzeigestatus, and leaving an exercise sets it
    // before it resumes.
    bool pausiert = false;
    // The Settings box of the letter or the word exercise is open.
    bool buchstabeneinstellungenoffen = false;
    bool worteinstellungenoffen = false;
    bool texteinstellungenoffen = false;
    bool wiederholungaktiv = false;
    bool zeittest = false;
    std::uint8_t restminuten = 0;
    std::uint8_t zeittestteil = 0;
    bool angemeldet = false;

    // Course position
    std::uint8_t lektion = 0;
    std::uint8_t farblektion = 0;
    std::uint8_t wiederholungslektion = 0;
    std::uint8_t wiederholungsteil = 0;
    std::uint8_t gemerktelektion = 0;
    std::uint8_t gemerkterteil = 0;
    std::array<std::uint8_t, kZeichenAnzahl> zeichenfolge{};
    std::uint8_t zeichenindex = 0;
    std::uint8_t zeichenvorrat = 0;
    std::uint8_t wortzeichenposition = 0;
    // An own text may have lines of any length and a megabyte of lines.
    std::int32_t textzeichenposition = 0;
    std::int32_t textzeile = 0;
    std::int32_t textzeilen = 0;
    std::int32_t textlaenge = 0;

    // Measurement of the running exercise
    std::uint16_t anschlaegeBuchstaben = 0;
    // Wide enough for every keystroke of a megabyte of own text.
    std::int32_t anschlaegeText = 0;
    std::uint16_t fehlerBuchstaben = 0;
    std::int32_t fehlerText = 0;
    double fehlerquote = 0.0;
    std::uint16_t anpm = 0;
    // When a keystroke last showed the speed, in the clock's monotonic
    // seconds: a tick within one interval of it leaves that figure standing.
    double tempoGezeigtUm = -1.0;
    std::int16_t startstunde = 0, startminute = 0, startsekunde = 0;
    std::int16_t tickstunde = 0, tickminute = 0, ticksekunde = 0;
    std::int16_t weiterstunde = 0, weiterminute = 0, weitersekunde = 0;
    // Whole seconds of the monotonic clock at the same three moments: the
    // durations are taken from these, so an exercise across midnight stays right.
    std::int64_t startzeitpunkt = 0;
    std::int64_t tickzeitpunkt = 0;
    std::int64_t weiterzeitpunkt = 0;
    std::uint16_t uebungssekunden = 0;
    std::int16_t pausensekunden = 0;
    std::int16_t pausensekundenbisher = 0;
    bool letzterfehler = false;
    // Every counted fault of the running exercise, for its row in the
    // history, written once at the exercise's end; and whether that row is
    // written, so leaving after the end writes no second one.
    std::vector<Fehlerpaar> fehlerpaare;
    // Counted keystrokes per expected character (Windows-1252), for the
    // same row: with the faults they give each key's fault rate.
    std::array<std::int32_t, 256> anschlagzahlen{};
    bool uebungAufgezeichnet = false;

    // Per-finger counters
    FingerPaare fingerBuchstaben{};
    FingerPaare fingerWort{};
    FingerWerte fingeranschlaege{};
    FingerWerte fingerfehler{};

    // Targets and preferences
    std::int32_t wunschanschlaege = 0;
    float wunschfehlerquote = 0.0F;
    bool korrekturerzwingen = false;
    std::uint8_t anteilBekannte = 0;
    bool fehlerton = false;
    bool stimme = false;
    std::uint8_t tastaturcode = 0;
    bool tastaturschriftweiss = false;

    // Appearance: the five colours stay together in this order.
    form::Colour farbeKleinfinger = 0;
    form::Colour farbeRingfinger = 0;
    form::Colour farbeMittelfinger = 0;
    form::Colour farbeZeigefinger = 0;
    form::Colour farbeDaumen = 0;
    std::string schriftBuchstabe;
    std::uint8_t schriftgroesseBuchstabe = 0;
    std::string schriftWort;
    std::uint8_t schriftgroesseWort = 0;
    std::uint8_t schriftstilWort = 0;
    std::string schriftText;
    std::uint8_t schriftgroesseText = 0;
    std::uint8_t schriftstilText = 0;
    std::int32_t bildschirmbreite = 0;
    std::int32_t bildschirmhoehe = 0;

    // Files, texts and scratch
    std::string programmverzeichnis;
    // Where the installed program keeps the files it ships; the program
    // directory's own copies win.
    std::string mitgeliefertverzeichnis;
    std::array<std::uint8_t, kSatzGroesse> benutzersatz{};
    std::uint16_t satzanzahl = 0;
    std::uint16_t programmstartstunde = 0;
    std::uint16_t programmstartminute = 0;
    std::uint8_t tastenzeichen = 0;
    std::string hilfstext;
    std::string hilfstext2;
    std::uint8_t schleifenzaehler = 0;

    // Fields owned by single subsystems
    bool tippfehler = false;
    std::uint8_t vorherigerindex = 0;
    std::uint8_t neuezeichen = 0;
    std::uint16_t neuzeichenzaehler = 0;
    double lernfortschritt = 0.0;
    std::array<bool, 17> buchstabenuebungbestanden{}; // 1..16
    std::array<bool, 17> wortuebungbestanden{};       // 1..16
    std::uint16_t wortzeile = 0;
    std::uint8_t zeilenlaenge = 0;
    std::uint16_t lektionsanfangszeile = 0;
    std::uint16_t untergrenzezeile = 0;
    std::uint16_t obergrenzezeile = 0;
    std::uint8_t ziehversuche = 0;
    double lernfortschrittangezeigt = 0.0;
    // The word line shown before; one byte cannot hold line numbers above
    // 255, so the word exercise keeps its own.
    std::uint16_t vorherigewortzeile = 0;
    // The key panel lit red for a moment after a wrong key; 0 when none is.
    std::uint8_t fehltaste = 0;
    // The own-text editor changes a text it opened and saves it back there;
    // otherwise it makes a new one and asks for a name.
    bool vorhandenertext = false;
    // How the text in the editor was read, so saving writes it back the
    // same way; a new text is UTF-8.
    bool textUtf8 = true;
    bool textMitBom = false;
    // The current line of the own-text practice as it is typed (an ellipsis
    // as three dots), taken once per line.
    std::string uebungszeile;
    std::string benutzername;
    std::uint16_t nutzungen = 0;
    std::array<double, 10> fingerfehlerquoten{}; // 1..9
    // [finger 1..9][lesson 1..16]; 101 means no value.
    std::array<std::array<std::uint8_t, 17>, 10> lektionsfehlerquoten{};
    std::uint8_t skalierung = 0;
    bool loeschfreigabe = false;
    std::int32_t loeschzeile = 0;
};
