#include "progress/schwache_tasten.h"

#include "keyboard/leuchttabelle.h"
#include "progress/tastenwaerme.h"

#include <algorithm>
#include <string_view>

namespace fortschritt {
namespace {

constexpr std::string_view kGrundreihe = "asdfjkl";
constexpr int kSchwachAnteil = 3; // of kAnteile characters
constexpr int kAnteile = 5;

struct Kandidat {
    std::uint8_t zeichen;
    double quote;
};

bool ueben(std::uint8_t tastaturcode, std::uint8_t zeichen) {
    return zeichen != ' ' && zeichen != 13 && keyboard::erzeugbar(tastaturcode, zeichen);
}

} // namespace

std::vector<std::uint8_t> schwacheTasten(std::uint8_t tastaturcode,
                                         const std::vector<history::KeyRate>& tasten) {
    std::vector<Kandidat> kandidaten;
    for (const auto& t : tasten) {
        const auto zeichen = zeichenAus(t.key);
        if (!zeichen || t.faults <= 0 || t.strokes < kGenugAnschlaege ||
            !ueben(tastaturcode, *zeichen)) {
            continue;
        }
        kandidaten.push_back(
            {*zeichen, static_cast<double>(t.faults) / static_cast<double>(t.strokes)});
    }
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [](const Kandidat& a, const Kandidat& b) { return a.quote > b.quote; });
    std::vector<std::uint8_t> schwache;
    for (const auto& k : kandidaten) {
        if (schwache.size() == kHoechstensSchwacheTasten) {
            break;
        }
        schwache.push_back(k.zeichen);
    }
    return schwache;
}

std::vector<std::string> uebungszeilen(const std::vector<std::uint8_t>& schwache,
                                       platform::Random& zufall) {
    if (schwache.empty()) {
        return {};
    }
    const auto zeichen = [&]() -> char {
        if (zufall.next(kAnteile) < kSchwachAnteil) {
            return static_cast<char>(
                schwache[static_cast<std::size_t>(zufall.next(static_cast<int>(schwache.size())))]);
        }
        return kGrundreihe[static_cast<std::size_t>(
            zufall.next(static_cast<int>(kGrundreihe.size())))];
    };
    std::vector<std::string> zeilen;
    for (int z = 0; z < kUebungszeilen; ++z) {
        std::string zeile;
        for (int g = 0; g < kGruppenJeZeile; ++g) {
            if (g > 0) {
                zeile += ' ';
            }
            for (int i = 0; i < kZeichenJeGruppe; ++i) {
                zeile += zeichen();
            }
        }
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

} // namespace fortschritt
