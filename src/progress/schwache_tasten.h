#pragma once

#include "history/store.h"
#include "platform/services.h"

#include <cstdint>
#include <string>
#include <vector>

// The practice of the learner's weakest keys.
namespace fortschritt {

constexpr std::size_t kHoechstensSchwacheTasten = 5;
constexpr int kUebungszeilen = 8;
constexpr int kGruppenJeZeile = 6;
constexpr int kZeichenJeGruppe = 5;

// The characters with the highest fault rates among those typed often
// enough, worst first, at most kHoechstensSchwacheTasten: only characters
// with faults that a key of the layout types. Space and Enter are left out:
// every line practises them anyway.
std::vector<std::uint8_t> schwacheTasten(std::uint8_t tastaturcode,
                                         const std::vector<history::KeyRate>& tasten);

// Lines of five-character groups (Windows-1252). Three of five characters
// are weak keys, the rest the home row's "asdfjkl", so each weak key is
// reached from where the fingers rest.
std::vector<std::string> uebungszeilen(const std::vector<std::uint8_t>& schwache,
                                       platform::Random& zufall);

} // namespace fortschritt
