#include "driver/driver.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The first steps of a learner, replayed as a script against the real handlers.
TEST(DriverSession, StartShowsTheLessonNoteAndTheFirstKeyCountsAsAKeystroke) {
    const auto directory = std::filesystem::temp_directory_path() /
                           ("clavora-driver-session-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    std::vector<std::string> lines;
    {
        driver::Options options;
        options.directory = directory;
        driver::Driver driver(options);
        std::istringstream in("click BitBtn2\n"
                              "get Panel66\n"
                              "click BitBtn3\n"
                              "get Panel66\n"
                              "key a\n"
                              "get Label24\n"
                              "state\n");
        std::ostringstream out;
        driver.run(in, out);
        std::istringstream answers(out.str());
        for (std::string line; std::getline(answers, line);) {
            lines.push_back(line);
        }
    }
    std::filesystem::remove_all(directory);

    ASSERT_EQ(lines.size(), 4U);
    EXPECT_TRUE(contains(lines[0], R"("showing":true)")) << lines[0];
    EXPECT_TRUE(contains(lines[1], R"("showing":false)")) << lines[1];
    EXPECT_TRUE(contains(lines[2], R"("caption":"Keystrokes: 1")")) << lines[2];
    EXPECT_TRUE(contains(lines[3], R"("buchstabenuebungaktiv":true)"));
}

} // namespace
