#include "driver/dialog_arguments.h"

#include "driver/command_words.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <string>
#include <vector>

namespace driver {
namespace {

std::string lowercase(std::string_view word) {
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool isNumber(std::string_view word) {
    return parseInteger(word).has_value();
}

// Bits of a style word, 1 bold and 2 italic; nothing for other words.
std::optional<int> styleWordBits(std::string_view word) {
    const std::string lower = lowercase(word);
    if (lower == "bold") {
        return 1;
    }
    if (lower == "italic") {
        return 2;
    }
    if (lower == "regular" || lower == "normal" || lower == "plain") {
        return 0;
    }
    return std::nullopt;
}

// Takes the style off the end of words: style words, or a number 0..3 after
// the size. Without either the style is regular.
std::optional<int> takeStyle(std::vector<std::string_view>& words) {
    int style = 0;
    bool sawWord = false;
    while (!words.empty()) {
        const auto bits = styleWordBits(words.back());
        if (!bits) {
            break;
        }
        style |= *bits;
        sawWord = true;
        words.pop_back();
    }
    const bool numberAfterSize =
        words.size() >= 2 && isNumber(words.back()) && isNumber(words[words.size() - 2]);
    if (sawWord || !numberAfterSize) {
        return style;
    }
    const long long bits = *parseInteger(words.back());
    words.pop_back();
    return bits >= 0 && bits <= 3 ? std::optional<int>(static_cast<int>(bits)) : std::nullopt;
}

} // namespace

std::optional<platform::Answer> parseAnswer(std::string_view word) {
    const std::string lower = lowercase(word);
    if (lower == "yes") {
        return platform::Answer::Yes;
    }
    if (lower == "no") {
        return platform::Answer::No;
    }
    if (lower == "ok") {
        return platform::Answer::Ok;
    }
    if (lower == "cancel") {
        return platform::Answer::Cancel;
    }
    return std::nullopt;
}

std::optional<form::FontSpec> parseFont(std::string_view arguments) {
    auto words = splitWords(arguments);
    const auto style = takeStyle(words);
    if (!style || words.size() < 2) {
        return std::nullopt;
    }
    const auto size = parseInteger(words.back());
    if (!size || *size <= 0 || *size > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    words.pop_back();
    const std::string_view last = words.back();
    const std::string name(words.front().data(), last.data() + last.size());
    return form::FontSpec{name, static_cast<int>(*size), *style};
}

std::optional<form::Colour> parseColour(std::string_view text) {
    if (text.size() != 7 || text.front() != '#') {
        return std::nullopt;
    }
    std::uint32_t rgb = 0;
    const auto digits = text.substr(1);
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), rgb, 16);
    if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return form::rgb(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                     static_cast<int>(rgb & 0xFF));
}

} // namespace driver
