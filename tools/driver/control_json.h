#pragma once

#include "driver/json_writer.h"
#include "form/form.h"

namespace driver {

// A control's properties, texts converted to UTF-8; its kind decides which
// further keys appear.
void writeControl(JsonWriter& json, const form::Control& control);

// The names of all controls, in the order the window holds them.
void writeControlNames(JsonWriter& json, const form::Form& window);

// The window itself: caption and size.
void writeWindow(JsonWriter& json, const form::Form& window);

} // namespace driver
