#include "driver/command_words.h"

#include <charconv>

namespace driver {
namespace {

constexpr std::string_view kBlanks = " \t";

template <class Number> std::optional<Number> parseNumber(std::string_view text) {
    Number value{};
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::pair<std::string_view, std::string_view> splitFirstWord(std::string_view text) {
    const std::size_t blank = text.find_first_of(kBlanks);
    if (blank == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, blank), text.substr(blank + 1)};
}

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(kBlanks, pos)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kBlanks, pos), text.size());
        words.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

std::optional<long long> parseInteger(std::string_view text) {
    return parseNumber<long long>(text);
}

std::optional<double> parseDecimal(std::string_view text) {
    return parseNumber<double>(text);
}

} // namespace driver
