#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;
class QWidget;

namespace platform::qt {

// The Windows-1252 byte a key press types: Enter 13, Backspace 8, Escape 27,
// otherwise the typed character. Keys that type no such byte (Shift alone,
// arrows, function keys, characters outside Windows-1252) give nothing.
std::optional<std::uint8_t> typedByte(const QKeyEvent& event);

// The Windows virtual-key code of a Qt key, as a key-up handler expects it.
std::optional<int> virtualKeyCode(int qtKey);

// Whether the widget takes this typed byte as text input itself, so the key
// must go on to it after the key preview has seen it.
bool takesTyping(const QWidget& widget, std::uint8_t byte);

} // namespace platform::qt
