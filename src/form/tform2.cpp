#include "form/tform2.h"

namespace form {
namespace {

constexpr int kDesignWidth = 590;
constexpr int kDesignHeight = 348;
constexpr int kFingerMaximum = 25;
constexpr int kThumbMaximum = 100;
constexpr int kTimerMs = 1000;

} // namespace

TForm2::TForm2() : Form("TForm2", "Results", kDesignWidth, kDesignHeight) {
    for (Control* c : controls()) {
        c->setFont({"Sans Serif", 9, 0});
    }
    GroupBox14.setHint("Wieviele Fehler machen Sie mit welchem Finger?");
    for (Control* bar : {&ProgressBar2, &ProgressBar3, &ProgressBar4, &ProgressBar5, &ProgressBar7,
                         &ProgressBar8, &ProgressBar9, &ProgressBar10}) {
        bar->setMax(kFingerMaximum);
    }
    ProgressBar6.setMax(kThumbMaximum);
    for (Control* label : {&Label3, &Label4}) {
        label->setFontStyle(1);
    }
    Timer1.setInterval(kTimerMs);
    Timer1.setEnabled(false);
}

} // namespace form
