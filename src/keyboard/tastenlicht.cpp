#include "keyboard/tastenlicht.h"

#include "keyboard/leuchttabelle.h"

namespace keyboard {
namespace {

constexpr Tastenmenge kAlleTasten = tastenbit(form::Tastaturfeld::kLetztesPanel + 1) - 1;

} // namespace

void tastenLeuchten(form::Tastaturfeld& feld, std::uint8_t tastaturcode, std::uint8_t zeichen) {
    const Tastenmenge an = leuchtendeTasten(tastaturcode, zeichen);
    jedeTaste(gepruefteTasten(tastaturcode),
              [&](int panel) { feld.leuchten(panel, (an & tastenbit(panel)) != 0); });
}

void fremdeTastenLoeschen(form::Tastaturfeld& feld, std::uint8_t tastaturcode) {
    jedeTaste(kAlleTasten & ~gepruefteTasten(tastaturcode),
              [&](int panel) { feld.leuchten(panel, false); });
}

} // namespace keyboard
