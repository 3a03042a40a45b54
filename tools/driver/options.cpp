#include "driver/options.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string_view>

namespace driver {

const char* const kUsage = "usage: clavora-driver [--dir DIR] [--screen WxH] [--ppi N] [--seed N]"
                           " [--clock \"YYYY-MM-DD HH:MM:SS\"]";

namespace {

template <class Number> bool readNumber(std::string_view text, Number& number) {
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc{} && result.ptr == end;
}

int positiveNumber(std::string_view option, std::string_view text) {
    int number = 0;
    if (!readNumber(text, number) || number <= 0) {
        throw OptionError(std::string(option) + " wants a positive number, not '" +
                          std::string(text) + "'");
    }
    return number;
}

// The day of the Gregorian calendar, or nothing when there is no such day.
std::optional<std::chrono::year_month_day> calendarDay(int year, int month, int day) {
    if (year < 1 || month < 1 || day < 1) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

void readScreen(std::string_view text, Options& options) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) {
        throw OptionError("--screen wants WIDTHxHEIGHT, not '" + std::string(text) + "'");
    }
    options.screenWidth = positiveNumber("--screen", text.substr(0, x));
    options.screenHeight = positiveNumber("--screen", text.substr(x + 1));
}

void readClock(const std::string& text, Options& options) {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    char end = 0;
    const int read = std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day,
                                 &hour, &minute, &second, &end);
    const auto date = calendarDay(year, month, day);
    const bool valid = read == 6 && date && hour >= 0 && hour <= 23 && minute >= 0 &&
                       minute <= 59 && second >= 0 && second <= 59;
    if (!valid) {
        throw OptionError("--clock wants \"YYYY-MM-DD HH:MM:SS\", not '" + text + "'");
    }
    options.date = platform::dateOf(*date);
    options.time = {hour, minute, second, 0};
}

void readDirectory(const std::string& text, Options& options) {
    std::error_code error;
    if (!std::filesystem::is_directory(text, error)) {
        throw OptionError("--dir: '" + text + "' is not a directory");
    }
    options.directory = std::filesystem::canonical(text, error);
}

void readOption(const std::string& option, const std::string& value, Options& options) {
    if (option == "--dir") {
        readDirectory(value, options);
    } else if (option == "--screen") {
        readScreen(value, options);
    } else if (option == "--ppi") {
        options.pixelsPerInch = positiveNumber(option, value);
    } else if (option == "--seed") {
        if (!readNumber(std::string_view(value), options.seed)) {
            throw OptionError("--seed wants a number, not '" + value + "'");
        }
    } else {
        readClock(value, options);
    }
}

} // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    readDirectory(".", options);
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        const bool known = option == "--dir" || option == "--screen" || option == "--ppi" ||
                           option == "--seed" || option == "--clock";
        if (!known) {
            throw OptionError("unknown option '" + option + "'");
        }
        if (i + 1 >= arguments.size()) {
            throw OptionError(option + " wants a value");
        }
        readOption(option, arguments[i + 1], options);
    }
    return options;
}

} // namespace driver
