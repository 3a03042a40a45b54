#include "driver/options.h"

#include <charconv>
#include <cstdio>
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

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Sakamoto's method; 1 = Sunday as the clock interface counts.
int weekdayOf(int year, int month, int day) {
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) {
        --year;
    }
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + day) % 7 + 1;
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
    const bool valid = read == 6 && year >= 1 && month >= 1 && month <= 12 && day >= 1 &&
                       day <= daysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
                       minute <= 59 && second >= 0 && second <= 59;
    if (!valid) {
        throw OptionError("--clock wants \"YYYY-MM-DD HH:MM:SS\", not '" + text + "'");
    }
    options.date = {year, month, day, weekdayOf(year, month, day)};
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
