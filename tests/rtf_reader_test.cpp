#include "text/rtf_reader.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using text::readRtf;
using text::RtfDocument;
using text::RtfFormat;

// A header as word processors write it: a font table and a colour table
// whose entry 0 is the default, 1 red and 2 blue.
RtfDocument read(std::string_view body) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                      "{\\f1\\froman Times New Roman;}}"
                      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                      "\\pard\\f0\\fs24 ";
    rtf += body;
    rtf += "}";
    return readRtf(rtf);
}

std::vector<std::string> paragraphTexts(const RtfDocument& document) {
    std::vector<std::string> texts;
    for (const auto& paragraph : document.paragraphs) {
        texts.push_back(paragraph.text());
    }
    return texts;
}

std::vector<std::string> runTexts(const RtfDocument& document) {
    std::vector<std::string> texts;
    for (const auto& run : document.paragraphs.at(0).runs) {
        texts.push_back(run.text);
    }
    return texts;
}

const RtfFormat& formatOf(const RtfDocument& document, std::size_t run) {
    return document.paragraphs.at(0).runs.at(run).format;
}

TEST(RtfReader, PlainTextIsOneRunInTheDefaultFormat) {
    const auto document = read("Hello, world.");

    ASSERT_EQ(document.paragraphs.size(), 1u);
    ASSERT_EQ(document.paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(document.paragraphs[0].runs[0].text, "Hello, world.");
    EXPECT_EQ(document.paragraphs[0].runs[0].format, RtfFormat{});
}

TEST(RtfReader, ParEndsParagraphsAndLineBreaksStayInside) {
    const auto document = read("One\\par Two\\line Three\\par\\par Four\\tab five\\par");

    EXPECT_EQ(paragraphTexts(document),
              (std::vector<std::string>{"One", "Two\nThree", "", "Four\tfive"}));
}

TEST(RtfReader, RawLineEndsAreIgnoredButAnEscapedOneEndsTheParagraph) {
    const auto document = read("Hel\r\nlo\\\nWorld");

    EXPECT_EQ(paragraphTexts(document), (std::vector<std::string>{"Hello", "World"}));
}

TEST(RtfReader, FormatSwitchesStartNewRuns) {
    const auto document = read("a\\b b\\b0 c\\i d\\i0\\ul e\\ulnone f\\ul g\\ul0 h\\uldb i");

    EXPECT_EQ(runTexts(document),
              (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g", "h", "i"}));
    EXPECT_FALSE(formatOf(document, 0).bold);
    EXPECT_TRUE(formatOf(document, 1).bold);
    EXPECT_FALSE(formatOf(document, 2).bold);
    EXPECT_TRUE(formatOf(document, 3).italic);
    EXPECT_FALSE(formatOf(document, 4).italic);
    EXPECT_TRUE(formatOf(document, 4).underline);
    EXPECT_FALSE(formatOf(document, 5).underline);
    EXPECT_TRUE(formatOf(document, 6).underline);
    EXPECT_FALSE(formatOf(document, 7).underline);
    EXPECT_TRUE(formatOf(document, 8).underline);
}

TEST(RtfReader, ClosingAGroupRestoresTheFormatBeforeIt) {
    const auto document = read("{\\b bold {\\i\\fs36\\cf1 both} bold again} plain");

    ASSERT_EQ(runTexts(document),
              (std::vector<std::string>{"bold ", "both", " bold again", " plain"}));
    EXPECT_TRUE(formatOf(document, 1).bold);
    EXPECT_TRUE(formatOf(document, 1).italic);
    EXPECT_EQ(formatOf(document, 1).pointSize, 18.0);
    EXPECT_TRUE(formatOf(document, 2).bold);
    EXPECT_FALSE(formatOf(document, 2).italic);
    EXPECT_EQ(formatOf(document, 2).pointSize, 12.0);
    EXPECT_EQ(formatOf(document, 2).colour, std::nullopt);
    EXPECT_EQ(formatOf(document, 3), RtfFormat{});
}

TEST(RtfReader, PlainResetsTheCharacterFormatButPardDoesNot) {
    const auto document = read("\\b\\i\\ul\\fs40\\cf2 a\\pard b\\plain c");

    const RtfFormat everything{
        .bold = true, .italic = true, .underline = true, .pointSize = 20.0, .colour = 0xFF0000};
    EXPECT_EQ(runTexts(document), (std::vector<std::string>{"ab", "c"}));
    EXPECT_EQ(formatOf(document, 0), everything);
    EXPECT_EQ(formatOf(document, 1), RtfFormat{});
}

TEST(RtfReader, FontSizesAreHalfPointsAndImpossibleSizesAreIgnored) {
    const auto document = read("\\fs21 a\\fs48 b\\fs0 c\\fs-4 d\\fs99999 e");

    ASSERT_EQ(runTexts(document), (std::vector<std::string>{"a", "bcde"}));
    EXPECT_EQ(formatOf(document, 0).pointSize, 10.5);
    EXPECT_EQ(formatOf(document, 1).pointSize, 24.0);
}

TEST(RtfReader, ColoursComeFromTheColourTable) {
    const auto document = read("\\cf1 red\\cf2 blue\\cf0 auto\\cf1 x\\cf7 missing");

    ASSERT_EQ(runTexts(document),
              (std::vector<std::string>{"red", "blue", "auto", "x", "missing"}));
    EXPECT_EQ(formatOf(document, 0).colour, 0x0000FFu);
    EXPECT_EQ(formatOf(document, 1).colour, 0xFF0000u);
    EXPECT_EQ(formatOf(document, 2).colour, std::nullopt);
    EXPECT_EQ(formatOf(document, 4).colour, std::nullopt);
}

TEST(RtfReader, ColourTableComponentsAreClampedAndMixed) {
    const auto document =
        readRtf("{\\rtf1{\\colortbl;\\red18\\green52\\blue86;\\red300\\blue-5;}\\cf1 a\\cf2 b}");

    EXPECT_EQ(formatOf(document, 0).colour, 0x563412u);
    EXPECT_EQ(formatOf(document, 1).colour, 0x0000FFu);
    EXPECT_EQ(document.text(), "ab");
}

TEST(RtfReader, HexEscapesAreWindows1252Bytes) {
    const auto document = read("K\\'e4se, caf\\'E9, \\'80 5, \\'bd");

    EXPECT_EQ(document.text(), "K\xE4se, caf\xE9, \x80 5, \xBD");
}

TEST(RtfReader, UnicodeEscapesBecomeWindows1252AndSkipTheirFallback) {
    EXPECT_EQ(read("\\u8364? 5").text(), "\x80 5");
    EXPECT_EQ(read("\\u228 a\\u8220\\'93b\\u8221\"").text(), "\xE4\x93"
                                                             "b\x94");
    EXPECT_EQ(read("\\u1078?x").text(), "?x");
}

TEST(RtfReader, NegativeUnicodeValuesCountFrom65536) {
    // -3913 is U+F0B7, a symbol-font bullet with no Windows-1252 byte; the
    // fallback 'x' must still be skipped.
    EXPECT_EQ(read("\\u-3913x end").text(), "? end");
    EXPECT_EQ(read("\\u-1x").text(), "?");
}

TEST(RtfReader, SurrogatePairIsOneUnknownCharacter) {
    EXPECT_EQ(read("a\\u-10179?\\u-8694?b").text(), "a?b");
}

TEST(RtfReader, FallbackLengthFollowsUcAndItsGroup) {
    EXPECT_EQ(read("\\uc2\\u8364\\'80\\'80x").text(), "\x80x");
    EXPECT_EQ(read("\\uc0\\u8364 x").text(), "\x80x");
    EXPECT_EQ(read("{\\uc3\\u8364 abcd}\\u8364 ef").text(), "\x80"
                                                            "d\x80"
                                                            "f");
    EXPECT_EQ(read("\\uc4\\u8364 a{b}").text(), "\x80"
                                                "b");
}

TEST(RtfReader, DestinationsAreNotShown) {
    const auto document = read("{\\stylesheet{\\s0 Normal;}}"
                               "{\\info{\\title Secret title}{\\author Someone}}"
                               "{\\header Page header\\par}{\\footer Page footer\\par}"
                               "{\\*\\generator Writer 1.0;}{\\*\\unknownthing hidden}"
                               "{\\pict\\pngblip 89504e470d0a}"
                               "{\\object{\\objdata 0102}}"
                               "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}} body");

    EXPECT_EQ(document.text(), "shown body");
    EXPECT_EQ(document.paragraphs.size(), 1u);
}

TEST(RtfReader, ColourTableInsideASkippedGroupIsIgnored) {
    const auto document = read("{\\*\\oddtable{\\colortbl;\\red1\\green2\\blue3;}hidden}\\cf3 x");

    EXPECT_EQ(document.text(), "x");
    EXPECT_EQ(formatOf(document, 0).colour, std::nullopt);
}

TEST(RtfReader, FontTableTextNeverAppears) {
    const auto document = readRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fnil Courier New;}}"
                                  "\\f1 text}");

    EXPECT_EQ(document.text(), "text");
}

TEST(RtfReader, ControlSymbolsStandForTheirCharacters) {
    EXPECT_EQ(read("\\{a\\} b\\\\c").text(), "{a} b\\c");
    EXPECT_EQ(read("1\\~000 in\\-cre\\-di\\-ble e\\_mail").text(), "1\xA0"
                                                                   "000 incredible e-mail");
    EXPECT_EQ(
        read("\\ldblquote Hi\\rdblquote  \\lquote x\\rquote  a\\emdash b\\endash c\\bullet").text(),
        "\x93Hi\x94 \x91x\x92 a\x97"
        "b\x96"
        "c\x95");
}

TEST(RtfReader, ControlWordsTakeOneDelimitingSpaceOrNone) {
    EXPECT_EQ(read("\\b1  two spaces\\b0x").text(), " two spacesx");
    EXPECT_EQ(read("a\\line-b").text(), "a\n-b");
    EXPECT_EQ(read("\\unknownword42 kept\\unknown-7;").text(), "kept;");
}

TEST(RtfReader, TableCellsAreTabsAndRowsAreParagraphs) {
    const auto document = read("\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row "
                               "\\trowd c\\cell d\\cell\\row");

    EXPECT_EQ(paragraphTexts(document), (std::vector<std::string>{"a\tb\t", "c\td\t"}));
}

TEST(RtfReader, BinaryDataIsSkippedEvenWhenItLooksLikeRtf) {
    EXPECT_EQ(read("a{\\*\\blip\\bin6 }{\\b\\'}b").text(), "ab");
    EXPECT_EQ(read("a\\bin3 xyzb").text(), "ab");
}

} // namespace
