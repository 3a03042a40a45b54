#pragma once

#include "form/tastaturfeld.h"

#include <cstdint>

// Lighting the keys of the on-screen keyboard.
namespace keyboard {

// Every key the layout tests is lit exactly when it types the expected
// character (or is its Shift key); keys the layout never tests keep their state.
void tastenLeuchten(form::Tastaturfeld& feld, std::uint8_t tastaturcode, std::uint8_t zeichen);

// Unlights the keys the layout never tests, so none stays lit from the
// layout before.
void fremdeTastenLoeschen(form::Tastaturfeld& feld, std::uint8_t tastaturcode);

} // namespace keyboard
