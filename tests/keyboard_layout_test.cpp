#include "keyboard/tastaturlayout.h"
#include "program_fixture.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

// The fixture's screen is 1024 pixels wide: the window is scaled by 1024/800
// and the layout procedures size keys as 1024 divided by their constants.
namespace {

using Procedure = void (*)(Context&);
constexpr std::array<Procedure, 4> kLayouts = {keyboard::TastaturDeutsch, keyboard::TastaturSchweiz,
                                               keyboard::TastaturUSA, keyboard::TastaturUK};

class KeyboardLayout : public ProgramTest {
public:
    form::Control& key(int n) { return f().tastatur.panel(n); }
    const std::string& caption(int n) { return key(n).caption(); }

    // Everything a layout procedure may change, one line per control.
    std::vector<std::string> snapshot() {
        std::vector<std::string> lines;
        auto describe = [&lines](const form::Control& c) {
            const auto& g = c.geometry();
            lines.push_back(c.name() + " '" + c.caption() + "' '" + c.hint() + "' " +
                            std::to_string(g.left) + "," + std::to_string(g.top) + "," +
                            std::to_string(g.width) + "," + std::to_string(g.height) +
                            (c.visible() ? " shown " : " hidden ") + c.font().name + " " +
                            std::to_string(c.font().size) +
                            (c.bevel() == form::BevelStyle::Lowered ? " lowered" : "") +
                            (c.checked() ? " checked" : ""));
        };
        for (auto& taste : f().tastatur.tasten()) {
            describe(taste.panel);
            if (taste.marker != nullptr) {
                describe(*taste.marker);
            }
        }
        for (const auto* c : {&f().GroupBox5, &f().RadioButton3, &f().RadioButton4,
                              &f().RadioButton6, &f().RadioButton7}) {
            describe(*c);
        }
        lines.push_back("tastaturcode " + std::to_string(s().tastaturcode));
        lines.push_back("zeichenfolge " +
                        std::string(s().zeichenfolge.begin(), s().zeichenfolge.end()));
        return lines;
    }
};

TEST_F(KeyboardLayout, RightAfterStartUpTheKeyboardShowsTheUkLayout) {
    EXPECT_EQ(s().tastaturcode, 3);
    EXPECT_TRUE(f().RadioButton7.checked());
    EXPECT_EQ(f().GroupBox5.hint(), "United Kingdom keyboard layout");
    EXPECT_EQ(caption(6), "` \xAC");
    EXPECT_EQ(caption(46), "~ #");
    EXPECT_EQ(key(46).geometry().width, 52);
    EXPECT_EQ(caption(33), "Enter");
    EXPECT_EQ(key(33).geometry().height, 113);
    EXPECT_FALSE(key(48).visible());
    EXPECT_EQ(caption(49), "Z");
    EXPECT_EQ(caption(50), "X");
    EXPECT_EQ(caption(34), "Caps Lock");
    EXPECT_EQ(key(34).font().size, 8);
}

TEST_F(KeyboardLayout, AmericanHasTheOneRowBackslashKeyAndTheWideEnterKey) {
    click(f().RadioButton6);
    EXPECT_EQ(caption(33), "\\ :");
    EXPECT_EQ(key(33).geometry().height, 52);
    EXPECT_EQ(caption(46), "Enter");
    EXPECT_EQ(key(46).geometry().left, 836);
    EXPECT_EQ(key(46).geometry().width, 128);
    EXPECT_EQ(f().tastatur.marker(46)->geometry().left, 89);
    EXPECT_EQ(f().tastatur.marker(46)->geometry().width, 93);
    EXPECT_EQ(key(47).geometry().width, 140);
    EXPECT_EQ(f().tastatur.marker(47)->geometry().left, 121);
    EXPECT_EQ(caption(6), "' ~");
    EXPECT_EQ(caption(45), "' \"");
    EXPECT_EQ(s().zeichenfolge[68], '#');
}

TEST_F(KeyboardLayout, AmericanToGermanRestoresTheTallReturnKeyAndKeepsCtrlAndAlt) {
    click(f().RadioButton6);
    click(f().RadioButton3);
    EXPECT_TRUE(key(48).visible());
    EXPECT_EQ(caption(33), "Return");
    EXPECT_EQ(key(33).geometry().height, 113);
    EXPECT_EQ(caption(46), "#");
    EXPECT_EQ(key(46).geometry().width, 52);
    EXPECT_EQ(key(46).geometry().left, 806);
    EXPECT_EQ(key(47).geometry().width, 80);
    EXPECT_EQ(f().tastatur.marker(47)->geometry().left, 61);
    EXPECT_EQ(caption(34), "Caps Lock");
    EXPECT_EQ(caption(60), "Ctrl");
    EXPECT_EQ(caption(63), "Alt");
    EXPECT_EQ(caption(64), "Ctrl");
    EXPECT_EQ(s().zeichenfolge[29], 0xD6);
}

TEST_F(KeyboardLayout, SwissCaptionsAndTeachingOrderUseTheFrenchLetters) {
    click(f().Image10);
    EXPECT_EQ(s().tastaturcode, 1);
    EXPECT_EQ(caption(6), "\xA7");
    EXPECT_EQ(caption(32), "\" !");
    EXPECT_EQ(caption(45), " \xE4 \xE0");
    EXPECT_EQ(s().zeichenfolge[29], 0xE9);
    EXPECT_EQ(s().zeichenfolge[63], 0xE8);
    EXPECT_EQ(s().zeichenfolge[65], 0xE0);
}

TEST_F(KeyboardLayout, EachRadioButtonAndPictureChoosesItsLayoutAlone) {
    const std::vector<std::pair<form::Control*, int>> choosers = {
        {&f().RadioButton3, 0}, {&f().Image11, 0}, {&f().RadioButton4, 1}, {&f().Image10, 1},
        {&f().RadioButton6, 2}, {&f().Image12, 2}, {&f().RadioButton7, 3}, {&f().Image3, 3}};
    const std::array<form::Control*, 4> radios = {&f().RadioButton3, &f().RadioButton4,
                                                  &f().RadioButton6, &f().RadioButton7};
    for (const auto& [chooser, code] : choosers) {
        click(*chooser);
        EXPECT_EQ(s().tastaturcode, code) << chooser->name();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(radios[i]->checked(), i == code) << chooser->name();
        }
    }
}

TEST_F(KeyboardLayout, ChoosingTheCurrentLayoutAgainChangesNothing) {
    f().takeDirty();
    click(f().Image3);
    EXPECT_TRUE(f().takeDirty().empty());
}

TEST_F(KeyboardLayout, AnyOrderOfSwitchesLeavesExactlyTheChosenLayout) {
    std::array<std::vector<std::string>, 4> reference;
    for (std::size_t layout = 0; layout < kLayouts.size(); ++layout) {
        kLayouts[layout](c());
        reference[layout] = snapshot();
    }
    std::array<std::size_t, 4> order = {0, 1, 2, 3};
    do {
        for (const std::size_t layout : order) {
            kLayouts[layout](c());
            const auto now = snapshot();
            ASSERT_EQ(now.size(), reference[layout].size());
            for (std::size_t i = 0; i < now.size(); ++i) {
                EXPECT_EQ(now[i], reference[layout][i]) << "layout " << layout;
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(KeyboardLayout, NoTwoShownKeysOverlapInAnyLayout) {
    for (const Procedure layout : kLayouts) {
        layout(c());
        const auto tasten = f().tastatur.tasten();
        for (std::size_t i = 0; i < tasten.size(); ++i) {
            for (std::size_t j = i + 1; j < tasten.size(); ++j) {
                const auto& a = tasten[i].panel;
                const auto& b = tasten[j].panel;
                if (!a.visible() || !b.visible()) {
                    continue;
                }
                const auto& p = a.geometry();
                const auto& q = b.geometry();
                const bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left ||
                                   p.top + p.height <= q.top || q.top + q.height <= p.top;
                EXPECT_TRUE(apart) << a.name() << " overlaps " << b.name();
            }
        }
    }
}

TEST_F(KeyboardLayout, MarkersShowOnlyTheirCornerInTheLowerRightOfTheirKey) {
    int markers = 0;
    for (auto& taste : f().tastatur.tasten()) {
        EXPECT_EQ(f().find(taste.panel.name()), &taste.panel);
        EXPECT_EQ(taste.panel.parent(), &f().GroupBox5);
        if (taste.marker == nullptr) {
            continue;
        }
        ++markers;
        const auto& key = taste.panel.designGeometry();
        const auto& m = taste.marker->designGeometry();
        EXPECT_EQ(f().find(taste.marker->name()), taste.marker);
        EXPECT_EQ(taste.marker->parent(), &taste.panel);
        EXPECT_TRUE(m.left > 0 && m.left < key.width && m.left + m.width > key.width)
            << taste.marker->name();
        EXPECT_TRUE(m.top > 0 && m.top < key.height && m.top + m.height > key.height)
            << taste.marker->name();
    }
    EXPECT_EQ(markers, 54);
    EXPECT_EQ(f().find("Shape41"), f().tastatur.marker(33));
}

TEST_F(KeyboardLayout, EveryFlagPictureNamesAShippedFile) {
    for (const auto* image : {&f().Image11, &f().Image10, &f().Image12, &f().Image3}) {
        EXPECT_EQ(image->parent(), &f().GroupBox23);
        const auto name = std::filesystem::path(image->text()).filename();
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(CLAVORA_ASSETS) / name))
            << image->text();
    }
}

} // namespace
