#pragma once

#include <bit>
#include <cstdint>

// Which keys light for an expected character, per keyboard layout.
namespace keyboard {

// A set of key panels: bit n - 6 stands for PanelN (Panel6..Panel64).
using Tastenmenge = std::uint64_t;

constexpr Tastenmenge tastenbit(int panel) {
    return Tastenmenge{1} << (panel - 6);
}

// Calls aufruf(panel) for every key of the set, lowest panel first.
template <class Aufruf> void jedeTaste(Tastenmenge menge, Aufruf aufruf) {
    for (; menge != 0; menge &= menge - 1) {
        aufruf(std::countr_zero(menge) + 6);
    }
}

constexpr int kLinkeShifttaste = 47;
constexpr int kRechteShifttaste = 59;

// Every key the layout ever lights; the others are left alone by the key
// highlighter.
Tastenmenge gepruefteTasten(std::uint8_t tastaturcode);

// The keys lit for the expected character, the Shift keys included.
Tastenmenge leuchtendeTasten(std::uint8_t tastaturcode, std::uint8_t zeichen);

// A key of the layout types the character, alone or with Shift or AltGr: some
// key other than the two Shift keys lights for it. A character without such a
// key cannot be typed on that keyboard, so no exercise may expect it.
bool erzeugbar(std::uint8_t tastaturcode, std::uint8_t zeichen);

} // namespace keyboard
