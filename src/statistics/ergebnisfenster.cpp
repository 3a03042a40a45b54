#include "statistics/ergebnisfenster.h"

#include "measurement/messung.h"
#include "statistics/fehlerstatistik.h"

#include <array>

namespace ergebnisfenster {
namespace {

constexpr int kEntwurfsbreite = 800;
constexpr int kTickeBisOk = 5;

// The window's own finger words: the left small finger is the little one.
constexpr std::array<const char*, 9> kFingerwoerter = {
    "Little finger: ", "Ring finger: ", "Middle finger: ", "Forefinger: ", "Thumb: ",
    "Small finger: ",  "Ring finger: ", "Middle finger: ", "Forefinger: "};

std::array<Fingeranzeige, 9> anzeigen(form::TForm2& f) {
    return {{{f.ProgressBar2, f.Label51},
             {f.ProgressBar3, f.Label52},
             {f.ProgressBar4, f.Label53},
             {f.ProgressBar5, f.Label54},
             {f.ProgressBar6, f.Label59},
             {f.ProgressBar7, f.Label55},
             {f.ProgressBar8, f.Label56},
             {f.ProgressBar9, f.Label57},
             {f.ProgressBar10, f.Label58}}};
}

} // namespace

void FormCreate(Context& c) {
    auto& f = c.f2;
    f.zaehler = 0;
    f.Button1.setEnabled(false);
    f.scaleBy(c.s.bildschirmbreite, kEntwurfsbreite);
}

void FormPaint(Context& c) {
    auto& f = c.f2;
    const auto& s = c.s;
    f.okGedrueckt = false;
    f.Timer1.setEnabled(true);
    f.Label3.setCaption(messung::fehlerText(s.fehlerText));
    f.Label4.setCaption(messung::fehlerquoteText(s.fehlerquote));
    f.GroupBox14.setCaption("Fault statistics lesson " + std::to_string(s.lektion));
    fingerzeilenZeigen(s, anzeigen(f), kFingerwoerter);
}

void Timer1Timer(Context& c) {
    auto& f = c.f2;
    if (f.zaehler < 255) {
        ++f.zaehler;
    }
    if (f.zaehler >= kTickeBisOk) {
        f.Button1.setEnabled(true);
        f.Timer1.setEnabled(false);
    }
}

void Button1Click(Context& c) {
    c.ablauf.uebungVerlassen(c);
    c.s.lektionsteil = c.s.zeittestteil;
    c.f2.okGedrueckt = true;
    c.f2.requestClose();
}

} // namespace ergebnisfenster
