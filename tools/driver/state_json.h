#pragma once

#include "driver/json_writer.h"
#include "state/sitzungszustand.h"

namespace driver {

// Every field of the session record under its own name. Arrays counted from
// 1 print only their used slots; texts are converted to UTF-8 and the user
// record to lowercase hex.
void writeState(JsonWriter& json, const Sitzungszustand& s);

} // namespace driver
