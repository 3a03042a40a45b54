#pragma once

#include "driver/driver.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

// A driver on a fresh, empty program directory of its own.
class DriverTest : public ::testing::Test {
protected:
    DriverTest() : directory_(makeDirectory()), driver_(options()) {}
    ~DriverTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }

    // Replays a script through the driver's input and output streams.
    std::string output(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        driver_.run(in, out);
        return out.str();
    }

    form::Tform1& window() { return driver_.program().window(); }

    std::filesystem::path directory_;
    driver::Driver driver_;

private:
    static std::filesystem::path makeDirectory() {
        const auto path = std::filesystem::temp_directory_path() /
                          ("clavora-driver-" + std::to_string(::getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(path);
        return path;
    }
    driver::Options options() const {
        driver::Options o;
        o.directory = directory_;
        return o;
    }
};
