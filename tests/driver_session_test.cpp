#include "driver/driver.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The first steps of a learner, replayed as a script against the real handlers.
TEST(DriverSession, StartShowsTheLessonNoteAndTheFirstKeyCountsAsAKeystroke) {
    const TemporaryDirectory directory;
    std::vector<std::string> lines;
    {
        driver::Options options;
        options.directory = directory.path();
        driver::Driver driver(options);
        std::istringstream in("focus ComboBox1\n"
                              "type anna\n"
                              "key #13\n"
                              "click BitBtn2\n"
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

    ASSERT_EQ(lines.size(), 4U);
    EXPECT_TRUE(contains(lines[0], R"("showing":true)")) << lines[0];
    EXPECT_TRUE(contains(lines[1], R"("showing":false)")) << lines[1];
    EXPECT_TRUE(contains(lines[2], R"("caption":"Keystrokes: 1")")) << lines[2];
    EXPECT_TRUE(contains(lines[3], R"("buchstabenuebungaktiv":true)"));
}

} // namespace

namespace {

// Types the character the letter exercise expects, as a learner would.
void typeExpected(driver::Driver& d) {
    const auto& s = d.program().state();
    const auto byte = s.zeichenfolge[s.zeichenindex];
    d.execute("key #" + std::to_string(byte));
}

TEST(DriverSession, ALearnerCompletesTheLetterExerciseOfLessonOne) {
    const TemporaryDirectory directory;
    driver::Options options;
    options.directory = directory.path();
    driver::Driver d(options);
    d.execute("focus ComboBox1");
    d.execute("type anna");
    d.execute("key #13");
    d.execute("click BitBtn2");
    d.execute("click BitBtn3");
    d.execute("key a");
    typeExpected(d);
    d.execute("wait 1");
    for (int i = 0; i < 99; ++i) {
        typeExpected(d);
    }
    EXPECT_TRUE(contains(d.execute("get Label34"), "\"caption\":\"Study achievement 99.0 %\""));
    EXPECT_EQ(d.execute("messages"), "[]");
    typeExpected(d);
    const std::string boxes = d.execute("messages");
    EXPECT_TRUE(contains(boxes, "\"caption\":\"Very good performance!\"")) << boxes;
    EXPECT_TRUE(contains(d.execute("get GroupBox12"), "\"showing\":true"));
    EXPECT_TRUE(contains(d.execute("state"), "\"lektionsteil\":1"));
    EXPECT_TRUE(contains(d.execute("sounds"), "\"file\":\"Approval2.wav\""));
}

TEST(DriverSession, CourseListsTheCatalogueAndEveryWordLine) {
    const TemporaryDirectory directory;
    driver::Options options;
    options.directory = directory.path();
    driver::Driver d(options);
    const std::string course = d.execute("course");
    EXPECT_TRUE(
        contains(course, "{\"lesson\":5,\"number\":80,\"text\":\"large large large large\"}"));
    EXPECT_TRUE(contains(course, "\"german\":\"\xC3\xA4 \xC3\x84 \xC3\xBC \xC3\x9C\""));
    std::size_t lines = 0;
    for (std::size_t at = course.find("\"number\":"); at != std::string::npos;
         at = course.find("\"number\":", at + 1)) {
        ++lines;
    }
    EXPECT_GT(lines, 510U);
    EXPECT_EQ(course.find('\n'), std::string::npos);
}

} // namespace
