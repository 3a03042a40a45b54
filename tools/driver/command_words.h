#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace driver {

// The first word of a command text and what follows the one blank after it;
// the rest is kept as it is, blanks and all.
std::pair<std::string_view, std::string_view> splitFirstWord(std::string_view text);

// The blank-separated words of a command text.
std::vector<std::string_view> splitWords(std::string_view text);

std::optional<long long> parseInteger(std::string_view text);
std::optional<double> parseDecimal(std::string_view text);

} // namespace driver
