#include "progress/tastenwaerme.h"

#include "form/contrast.h"
#include "keyboard/leuchttabelle.h"
#include "text/cp1252.h"

#include <algorithm>
#include <map>

namespace fortschritt {
namespace {

constexpr form::Colour kGruen = form::rgb(110, 200, 110);
constexpr form::Colour kGelb = form::rgb(245, 215, 70);
constexpr form::Colour kRot = form::rgb(225, 60, 50);
constexpr std::uint8_t kEnter = 13;

form::Colour mischen(form::Colour von, form::Colour nach, double anteil) {
    const auto kanal = [&](int shift) {
        const double a = (von >> shift) & 0xFF;
        const double b = (nach >> shift) & 0xFF;
        return static_cast<form::Colour>(a + (b - a) * anteil + 0.5) << shift;
    };
    return kanal(0) | kanal(8) | kanal(16);
}

struct Zaehlung {
    std::int64_t anschlaege = 0;
    std::int64_t fehler = 0;
};

bool istShift(int panel) {
    return panel == keyboard::kLinkeShifttaste || panel == keyboard::kRechteShifttaste;
}

std::map<int, Zaehlung> jeTaste(std::uint8_t tastaturcode,
                                const std::vector<history::KeyRate>& tasten) {
    std::map<int, Zaehlung> zaehlung;
    for (const auto& t : tasten) {
        const auto zeichen = zeichenAus(t.key);
        if (!zeichen) {
            continue;
        }
        keyboard::jedeTaste(keyboard::leuchtendeTasten(tastaturcode, *zeichen), [&](int panel) {
            if (istShift(panel)) {
                return; // Shift is pressed for half the keyboard: it would only blur
            }
            zaehlung[panel].anschlaege += t.strokes;
            zaehlung[panel].fehler += t.faults;
        });
    }
    return zaehlung;
}

// A key's caption as drawn: "&&" is how a panel shows one '&'.
std::string beschriftung(std::string caption) {
    for (auto at = caption.find("&&"); at != std::string::npos; at = caption.find("&&", at + 1)) {
        caption.erase(at, 1);
    }
    return caption;
}

} // namespace

form::Colour waermefarbe(double prozent) {
    if (prozent >= kRotAb) {
        return kRot;
    }
    if (prozent >= kGelbAb) {
        return mischen(kGelb, kRot, (prozent - kGelbAb) / (kRotAb - kGelbAb));
    }
    return mischen(kGruen, kGelb, std::max(prozent, 0.0) / kGelbAb);
}

std::optional<std::uint8_t> zeichenAus(const std::string& text) {
    if (text == "\n") {
        return kEnter;
    }
    const std::string zeichen = text::fromUtf8(text);
    if (zeichen.size() != 1) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(zeichen.front());
}

std::vector<form::KeyCell> tastenwaerme(const form::Tastaturfeld& tastatur,
                                        std::uint8_t tastaturcode,
                                        const std::vector<history::KeyRate>& tasten) {
    const auto zaehlung = jeTaste(tastaturcode, tasten);
    std::vector<form::KeyCell> zellen;
    for (int panel = form::Tastaturfeld::kErstesPanel; panel <= form::Tastaturfeld::kLetztesPanel;
         ++panel) {
        const auto& taste = tastatur.taste(panel);
        form::KeyCell zelle{taste.entwurf.design, beschriftung(taste.panel.caption()), kZuWenig,
                            form::colours::black};
        const auto z = zaehlung.find(panel);
        if (z != zaehlung.end() && z->second.anschlaege >= kGenugAnschlaege) {
            zelle.colour = waermefarbe(100.0 * static_cast<double>(z->second.fehler) /
                                       static_cast<double>(z->second.anschlaege));
        }
        const bool weiss = form::contrastRatio(form::colours::white, zelle.colour) >
                           form::contrastRatio(form::colours::black, zelle.colour);
        zelle.fontColour = weiss ? form::colours::white : form::colours::black;
        zellen.push_back(std::move(zelle));
    }
    return zellen;
}

} // namespace fortschritt
