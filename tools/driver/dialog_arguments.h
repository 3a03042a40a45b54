#pragma once

#include "form/control.h"
#include "platform/services.h"

#include <optional>
#include <string_view>

namespace driver {

// Yes, No, OK or Cancel in any case.
std::optional<platform::Answer> parseAnswer(std::string_view word);

// "NAME SIZE STYLE": the name may contain blanks; the style is a number 0..3
// or the words bold, italic (both may be given) or regular. The style may
// be left out.
std::optional<form::FontSpec> parseFont(std::string_view arguments);

// "#RRGGBB" as the model's 0x00BBGGRR.
std::optional<form::Colour> parseColour(std::string_view text);

} // namespace driver
