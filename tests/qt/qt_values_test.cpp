#include "platform/qt/convert.h"
#include "platform/qt/key_translation.h"
#include "platform/qt/memo_text.h"

#include <gtest/gtest.h>

using namespace platform::qt;

namespace {

TEST(QtValues, ColoursRoundTripWithRedInTheLowByte) {
    EXPECT_EQ(toQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(fromQColor(QColor(0x56, 0x34, 0x12)), 0x00123456U);
    EXPECT_EQ(toQColor(form::colours::red), QColor(Qt::red));
}

TEST(QtValues, MnemonicsAreHiddenAndDoubleAmpersandsShowOne) {
    EXPECT_EQ(withoutMnemonics("&Start"), "Start");
    EXPECT_EQ(withoutMnemonics("Salt && Pepper"), "Salt & Pepper");
    EXPECT_EQ(withoutMnemonics("&&&x&"), "&x");
    EXPECT_EQ(withoutMnemonics("plain"), "plain");
}

TEST(QtValues, TextsCrossAsWindows1252) {
    EXPECT_EQ(toQString("\x80\xF6\x9C"), QString::fromUtf8("€öœ"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("€öł")), "\x80\xF6?");
}

TEST(QtValues, FontStyleBitsMapBothWays) {
    const QFont font = toQFont({"Times New Roman", 14, 1 | 2});
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_FALSE(font.underline());
    const form::FontSpec back = fromQFont(toQFont({"Sans Serif", 9, 4 | 8}));
    EXPECT_EQ(back.size, 9);
    EXPECT_EQ(back.style, 4 | 8);
}

TEST(QtValues, FunctionKeysHaveTheirVirtualKeyCodes) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F12), 123);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Return), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Left), 37);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F13), std::nullopt);
}

TEST(QtValues, MemoPositionsCountALineBreakAsTwo) {
    const std::vector<std::string> lines{"one", "two", ""};
    const QString text = joinLines(lines);
    EXPECT_EQ(text, "one\ntwo\n");
    EXPECT_EQ(splitLines(text), lines);
    EXPECT_TRUE(splitLines({}).empty());

    EXPECT_EQ(toDocumentPosition(lines, 3), 3);
    EXPECT_EQ(toDocumentPosition(lines, 5), 4);
    EXPECT_EQ(toDocumentPosition(lines, 8), 7);
    EXPECT_EQ(toDocumentPosition(lines, 99), 8);
    EXPECT_EQ(toModelPosition(text, 4), 5);
    EXPECT_EQ(toModelPosition(text, 8), 10);
}

} // namespace
