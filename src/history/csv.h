#pragma once

#include "history/store.h"

#include <string>
#include <vector>

namespace history {

// The exercises as a CSV table a spreadsheet opens: a header row with the
// column names of `exercises`, then one row per exercise; quoted as RFC 4180
// asks, CR LF line ends, UTF-8, '.' as the decimal point.
std::string exercisesCsv(const std::vector<ExerciseRow>& rows);

} // namespace history
