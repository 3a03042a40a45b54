#include "driver/dialog_arguments.h"
#include "driver/options.h"
#include "temporary_directory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using driver::OptionError;
using driver::parseOptions;

TEST(DriverOptions, DefaultsToTheCurrentDirectoryAndAnOrdinaryScreen) {
    const auto options = parseOptions({});
    EXPECT_EQ(options.directory, std::filesystem::current_path());
    EXPECT_EQ(options.screenWidth, 1024);
    EXPECT_EQ(options.screenHeight, 768);
    EXPECT_EQ(options.pixelsPerInch, 96);
    EXPECT_EQ(options.seed, 1U);
}

TEST(DriverOptions, ReadsScreenResolutionAndSeed) {
    const TemporaryDirectory directory;
    const auto options = parseOptions({"--screen", "1280x1024", "--ppi", "120", "--seed", "42",
                                       "--dir", directory.path().string()});
    EXPECT_EQ(options.screenWidth, 1280);
    EXPECT_EQ(options.screenHeight, 1024);
    EXPECT_EQ(options.pixelsPerInch, 120);
    EXPECT_EQ(options.seed, 42U);
    EXPECT_EQ(options.directory, std::filesystem::canonical(directory.path()));
}

TEST(DriverOptions, ClockGetsItsWeekdayCountedFromSunday) {
    struct Case {
        const char* text;
        int weekday;
    };
    for (const Case c : {Case{"2026-01-05 09:00:00", 2}, Case{"2024-02-29 23:59:59", 5},
                         Case{"2000-01-01 00:00:00", 7}, Case{"2023-12-31 12:00:00", 1},
                         Case{"1999-03-01 08:30:15", 2}}) {
        EXPECT_EQ(parseOptions({"--clock", c.text}).date.weekday, c.weekday) << c.text;
    }
    const auto options = parseOptions({"--clock", "2024-02-29 23:59:58"});
    EXPECT_EQ(options.date.year, 2024);
    EXPECT_EQ(options.date.month, 2);
    EXPECT_EQ(options.date.day, 29);
    EXPECT_EQ(options.time.hour, 23);
    EXPECT_EQ(options.time.minute, 59);
    EXPECT_EQ(options.time.second, 58);
}

TEST(DriverOptions, RefusesWhatItCannotRead) {
    const std::vector<std::vector<std::string>> bad = {{"--frobnicate", "1"},
                                                       {"--ppi"},
                                                       {"--ppi", "0"},
                                                       {"--screen", "1024"},
                                                       {"--screen", "1024x"},
                                                       {"--seed", "-1"},
                                                       {"--clock", "2023-02-29 10:00:00"},
                                                       {"--clock", "2026-01-05 24:00:00"},
                                                       {"--clock", "2026-01-05"},
                                                       {"--clock", "2026-01-05 10:00:00 extra"},
                                                       {"--dir", "/no/such/directory/anywhere"}};
    for (const auto& arguments : bad) {
        EXPECT_THROW(parseOptions(arguments), OptionError) << arguments.front();
    }
}

TEST(DialogArguments, FontNamesMayHaveBlanksAndStylesWordsOrNumbers) {
    using driver::parseFont;
    EXPECT_EQ(parseFont("Courier New 12 bold italic"), (form::FontSpec{"Courier New", 12, 3}));
    EXPECT_EQ(parseFont("Arial 10 2"), (form::FontSpec{"Arial", 10, 2}));
    EXPECT_EQ(parseFont("Times New Roman 14 Regular"), (form::FontSpec{"Times New Roman", 14, 0}));
    EXPECT_EQ(parseFont("Arial 9"), (form::FontSpec{"Arial", 9, 0}));
    EXPECT_EQ(parseFont("Arial 10 4"), std::nullopt);
    EXPECT_EQ(parseFont("Arial bold"), std::nullopt);
    EXPECT_EQ(parseFont("12 bold"), std::nullopt);
}

TEST(DialogArguments, ColoursTurnFromRgbIntoTheModelsByteOrder) {
    EXPECT_EQ(driver::parseColour("#FF0000"), form::colours::red);
    EXPECT_EQ(driver::parseColour("#102030"), form::Colour{0x302010});
    EXPECT_EQ(driver::parseColour("#10203"), std::nullopt);
    EXPECT_EQ(driver::parseColour("102030"), std::nullopt);
    EXPECT_EQ(driver::parseColour("#10203g"), std::nullopt);
}

} // namespace
