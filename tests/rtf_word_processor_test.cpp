#include "text/rtf_reader.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

using text::RtfDocument;

RtfDocument readFixture(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(CLAVORA_TEST_DATA) / "rtf" / name;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    return text::readRtf(bytes);
}

std::vector<std::string> paragraphTexts(const RtfDocument& document) {
    std::vector<std::string> texts;
    for (const auto& paragraph : document.paragraphs) {
        texts.push_back(paragraph.text());
    }
    return texts;
}

TEST(RtfWordProcessorFiles, SimpleEditorListKeepsItsTextAndBullets) {
    const auto document = readFixture("wordpad_list.rtf");

    EXPECT_EQ(
        paragraphTexts(document),
        (std::vector<std::string>{"Shopping list", "Milk, bread and fresh cheese",
                                  "Call the caf\xE9 at 10:30", "\xB7\tapples", "\xB7\tpears"}));
    const auto& heading = document.paragraphs.at(0).runs.at(0).format;
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.pointSize, 14.0);
    EXPECT_TRUE(document.paragraphs.at(1).runs.at(1).format.italic);
    EXPECT_EQ(document.paragraphs.at(2).runs.at(0).format.colour, 0xBB4D00u);
}

TEST(RtfWordProcessorFiles, OfficeDocumentShowsOnlyItsBody) {
    const auto document = readFixture("office_notes.rtf");

    EXPECT_EQ(paragraphTexts(document),
              (std::vector<std::string>{"Meeting notes",
                                        "We agreed on the new prices: 12\xBD\xA0% off, starting "
                                        "at 9?am.",
                                        "\x84Quoted\x93 text and a link.", "Last line"}));
}

TEST(RtfWordProcessorFiles, OfficeDocumentKeepsHeadingAndLinkFormats) {
    const auto document = readFixture("office_notes.rtf");
    ASSERT_GE(document.paragraphs.size(), 3u);

    const auto& heading = document.paragraphs[0].runs.at(0).format;
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.pointSize, 16.0);
    EXPECT_EQ(heading.colour, 0xFF0000u);

    const auto& runs = document.paragraphs[2].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_TRUE(runs[0].format.italic);
    EXPECT_EQ(runs[2].text, "a link");
    EXPECT_TRUE(runs[2].format.underline);
    EXPECT_EQ(runs[2].format.colour, 0x0000C0u);
    EXPECT_EQ(runs[3].text, ".");
}

} // namespace
