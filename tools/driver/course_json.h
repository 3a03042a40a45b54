#pragma once

#include "driver/json_writer.h"

namespace driver {

// The lesson catalogue and every word line, so the course can be reviewed
// outside the code.
void writeCourse(JsonWriter& json);

} // namespace driver
