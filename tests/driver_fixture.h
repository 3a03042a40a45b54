#pragma once

#include "driver/driver.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

// A driver on a fresh, empty program directory of its own.
class DriverTest : public ::testing::Test {
protected:
    DriverTest() : driver_(options()) {}

    // Replays a script through the driver's input and output streams.
    std::string output(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        driver_.run(in, out);
        return out.str();
    }

    form::Tform1& window() { return driver_.program().window(); }

    TemporaryDirectory directory_;
    driver::Driver driver_;

private:
    driver::Options options() const {
        driver::Options o;
        o.directory = directory_.path();
        return o;
    }
};
