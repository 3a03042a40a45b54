#pragma once

#include "driver/json_writer.h"
#include "platform/fakes/fakes.h"

#include <vector>

namespace driver {

// Message boxes as {caption, text, icon, buttons, answer}, in the words the
// commands use.
void writeMessages(JsonWriter& json, const std::vector<platform::fakes::MessageEvent>& messages);

// Sounds as {kind, file, synchronous, played}.
void writeSounds(JsonWriter& json, const std::vector<platform::fakes::SoundEvent>& sounds);

// Print jobs: {title, orientation, fontName, fontSize, lines} for text,
// {title, orientation, image: {width, height}} for the window.
void writePrints(JsonWriter& json, const std::vector<platform::fakes::FakePrinter::Job>& jobs);

} // namespace driver
