#include "course/lektionskatalog.h"
#include "course/wortzeilen.h"
#include "driver/driver.h"
#include "exercises/zeilenziehung.h"
#include "keyboard/leuchttabelle.h"
#include "temporary_directory.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Keyboard {
    const char* name;
    const char* radioButton;
    std::uint8_t tastaturcode;
    // Characters no key of this keyboard types, written out by hand as a
    // check on the layout tables the draw's filter reads.
    std::string_view lacks;
};

// \xA3 £ \xA7 § \xC4 Ä \xD6 Ö \xDC Ü \xDF ß \xE0 à \xE4 ä \xE8 è \xE9 é \xF6 ö \xFC ü
constexpr std::array<Keyboard, 4> kKeyboards = {{
    {"German", "RadioButton3", 0, "\xA3@[{\xE0\xE8\xE9"},
    {"Swiss", "RadioButton4", 1, "\xC4\xD6\xDC\xDF@[{"},
    {"American", "RadioButton6", 2, "\xA3\xA7\xC4\xD6\xDC\xDF\xE0\xE4\xE8\xE9\xF6\xFC"},
    {"UK", "RadioButton7", 3, "\xA7\xC4\xD6\xDC\xDF\xE0\xE4\xE8\xE9\xF6\xFC"},
}};

constexpr int kLinesPerExercise = 300;

// A learner on one keyboard in the word exercise of one lesson, typing every
// drawn line right under forced correction.
class LongWordExercise {
public:
    LongWordExercise(const Keyboard& keyboard, int lesson) : driver_(options()) {
        const std::vector<std::string> commands = {"focus ComboBox1",
                                                   "type anna",
                                                   "key #13",
                                                   std::string("click ") + keyboard.radioButton,
                                                   "set ScrollBar1 " + std::to_string(2 * lesson),
                                                   "click BitBtn2",
                                                   "key x"};
        for (const auto& command : commands) {
            driver_.execute(command);
        }
    }

    const Sitzungszustand& state() { return driver_.program().state(); }
    std::string_view line() { return course::wortzeile(state().wortzeile); }

    void typeLine() {
        for (const char c : line()) {
            driver_.execute("key #" + std::to_string(static_cast<unsigned char>(c)));
        }
    }

private:
    driver::Options options() const {
        driver::Options o;
        o.directory = directory_.path();
        o.seed = 15;
        return o;
    }

    TemporaryDirectory directory_;
    driver::Driver driver_;
};

} // namespace

TEST(CourseLinesThroughTheDriver, LongLessonFifteenAndSixteenExercisesDrawOnlyTypeableLines) {
    for (const auto& keyboard : kKeyboards) {
        for (const int lesson : {15, 16}) {
            LongWordExercise learner(keyboard, lesson);
            ASSERT_EQ(learner.state().tastaturcode, keyboard.tastaturcode) << keyboard.name;
            ASSERT_EQ(learner.state().lektion, lesson);
            ASSERT_TRUE(learner.state().wortuebungaktiv);
            const auto lower = course::lektion(lesson).untergrenzezeile;
            std::set<int> seen;
            for (int drawn = 0; drawn < kLinesPerExercise; ++drawn) {
                const auto number = learner.state().wortzeile;
                const auto text = learner.line();
                seen.insert(number);
                ASSERT_GT(number, lower);
                ASSERT_LT(number, course::obergrenzezeile(lesson));
                for (const char c : text) {
                    ASSERT_TRUE(
                        keyboard::erzeugbar(keyboard.tastaturcode, static_cast<std::uint8_t>(c)))
                        << keyboard.name << ", lesson " << lesson << ", line " << number << ": "
                        << text;
                }
                ASSERT_EQ(text.find_first_of(keyboard.lacks), std::string_view::npos)
                    << keyboard.name << ", line " << number << ": " << text;
                learner.typeLine();
                ASSERT_NE(learner.state().wortzeile, number) << "a line typed right moves on";
            }
            // A long exercise meets nearly every line of the lesson this keyboard can type.
            std::size_t typeable = 0;
            for (std::size_t z = lower + 1u; z < course::obergrenzezeile(lesson); ++z) {
                typeable +=
                    exercises::vomLayoutAbgelehnt(keyboard.tastaturcode, course::wortzeile(z)) ? 0
                                                                                               : 1;
            }
            EXPECT_GE(10 * seen.size(), 9 * typeable) << keyboard.name << ", lesson " << lesson;
        }
    }
}
