#include "driver_fixture.h"

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

using DriverColours = DriverTest;

// The colour and font handlers answer the driver's queued dialogs, and a
// second run of the program finds what the first one chose.
TEST_F(DriverColours, ChoicesMadeInOneRunAreThereInTheNext) {
    const std::string answers = output("focus ComboBox1\ntype anna\nkey #13\n"
                                       "click Button3\n"
                                       "dialog colour #C0C0C0\nclick Button36\nmessages\n"
                                       "select ComboBox2 0\n"
                                       "dialog colour #123456\nclick Button4\n"
                                       "click tastaturfarbeweiss\n"
                                       "click RadioButton2\n"
                                       "dialog font Liberation Mono 20 bold\nclick Button9\n"
                                       "get Label20\nget ComboBox2\n"
                                       "close\n");
    EXPECT_TRUE(contains(answers, "Backgroundcolor = Foregroundcolor!\\r\\rPlease choose an "
                                  "other color!"))
        << answers;
    EXPECT_TRUE(contains(answers, R"("caption":"Liberation Mono")")) << answers;
    EXPECT_TRUE(contains(answers, R"("itemIndex":1)")) << answers;

    driver::Options o;
    o.directory = directory_.path();
    driver::Driver again(o);
    std::istringstream in("focus ComboBox1\ntype anna\nkey #13\n");
    std::ostringstream out;
    again.run(in, out);
    const auto& s = again.program().state();
    const auto& f = again.program().window();
    EXPECT_EQ(s.farbeKleinfinger, form::rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(s.farbeRingfinger, form::rgb(0xFF, 0xFF, 0x00)) << "Standard's, not silver";
    EXPECT_TRUE(s.tastaturschriftweiss);
    EXPECT_EQ(f.ComboBox2.text(), "Own colours");
    EXPECT_EQ(f.Label20.caption(), "Liberation Mono");
    EXPECT_EQ(s.schriftgroesseWort, 20);
    EXPECT_EQ(s.schriftstilWort, 1);
}

} // namespace
