#include "form/form.h"
#include "form/user_input.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using form::Control;
using form::Kind;

// Two groups of radio buttons and a check box, each control logging its events.
class UserInput : public testing::Test {
protected:
    UserInput() {
        for (Control* c : {&first, &second, &elsewhere, &box, &names}) {
            c->onChange = [this, c] { log("change", *c); };
            c->onClick = [this, c] { log("click", *c); };
        }
        first.setChecked(true);
        elsewhere.setChecked(true);
        box.setChecked(true);
    }
    void log(const char* event, const Control& c) {
        seen.push_back(std::string(event) + " " + c.name() + " " + std::to_string(c.checked()));
    }

    form::Form window{"W", "", 400, 300};
    Control group{window, "group", Kind::GroupBox, nullptr, {}};
    Control other{window, "other", Kind::GroupBox, nullptr, {}};
    Control first{window, "first", Kind::RadioButton, &group, {}};
    Control second{window, "second", Kind::RadioButton, &group, {}};
    Control box{window, "box", Kind::CheckBox, &group, {}};
    Control elsewhere{window, "elsewhere", Kind::RadioButton, &other, {}};
    Control names{window, "names", Kind::ComboBox, nullptr, {}};
    std::vector<std::string> seen;
};

TEST_F(UserInput, ARadioClickSwitchesOnlyItsOwnGroupAndARepeatedClickChangesNothing) {
    form::userClicks(second);
    form::userClicks(second);
    form::userChecks(second, false);
    form::userChecks(second, true);

    EXPECT_TRUE(second.checked());
    EXPECT_FALSE(first.checked());
    EXPECT_TRUE(elsewhere.checked());
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(seen,
              (std::vector<std::string>{"change second 1", "click second 1", "click second 1"}));
}

TEST_F(UserInput, TextAndSelectionStayWithinWhatTheFieldHolds) {
    names.setMaxLength(3);
    std::vector<int> selection;
    names.onChange = [&] { selection = {names.selStart(), names.selLength()}; };

    form::userTypes(names, "abcdef", {2, 4});
    EXPECT_EQ(names.text(), "abc");
    EXPECT_EQ(selection, (std::vector<int>{2, 1}));

    names.setItems({"anna", "bert"});
    form::userPicks(names, 1, {9, 0});
    EXPECT_EQ(names.text(), "bert");
    EXPECT_EQ(selection, (std::vector<int>{4, 0}));
    form::userPicks(names, 7, {0, 0});
    EXPECT_EQ(names.itemIndex(), -1);
    EXPECT_EQ(names.text(), "");
}

TEST(Caret, AfterTheLastLineCountsEachBreakAsTwoCharacters) {
    EXPECT_EQ(form::caretAfter(std::vector<std::string>{"one", "two", ""}).start, 10);
    EXPECT_EQ(form::caretAfter(std::vector<std::string>{}).start, 0);
    EXPECT_EQ(form::caretAfter(std::string("anna")).start, 4);
}

} // namespace
