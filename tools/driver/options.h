#pragma once

#include "platform/services.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace driver {

// How the driver sets up the fake platform.
struct Options {
    std::filesystem::path directory = ".";
    int screenWidth = 1024;
    int screenHeight = 768;
    int pixelsPerInch = 96;
    unsigned seed = 1;
    platform::Date date{2026, 1, 5, 2};
    platform::TimeOfDay time{9, 0, 0, 0};
};

class OptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Throws OptionError with a
// one-line reason for anything it does not accept.
Options parseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;

} // namespace driver
