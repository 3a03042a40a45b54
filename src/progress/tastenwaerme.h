#pragma once

#include "form/chart.h"
#include "form/tastaturfeld.h"
#include "history/store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The keyboard of the Progress screen: each key tinted by its fault rate.
namespace fortschritt {

// Fewer keystrokes than this say too little about a key to judge it.
constexpr std::int64_t kGenugAnschlaege = 10;

// The tint for a fault rate in percent: green at none, yellow at 5 %, red
// from 10 %; keys typed too rarely keep the neutral grey.
form::Colour waermefarbe(double prozent);
constexpr form::Colour kZuWenig = form::colours::silver;
constexpr double kGelbAb = 5.0;
constexpr double kRotAb = 10.0;

// The Windows-1252 character the history stores as `text` (a line end as
// Enter); none for a text of another length.
std::optional<std::uint8_t> zeichenAus(const std::string& text);

// Every key of the keyboard with its tint; a key's strokes and faults are
// those of all characters it types on the layout (with Shift or AltGr).
std::vector<form::KeyCell> tastenwaerme(const form::Tastaturfeld& tastatur,
                                        std::uint8_t tastaturcode,
                                        const std::vector<history::KeyRate>& tasten);

} // namespace fortschritt
