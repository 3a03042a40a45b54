#include "text/rtf_reader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

using text::RtfDocument;
using text::RtfParagraph;

class RtfWritingRules : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto path = std::filesystem::path(CLAVORA_ASSETS) / "Writing_rules.rtf";
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path;
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        document_ = text::readRtf(bytes);
    }

    static const RtfParagraph* paragraphStarting(std::string_view start) {
        const auto found =
            std::ranges::find_if(document_.paragraphs, [start](const RtfParagraph& paragraph) {
                return paragraph.text().starts_with(start);
            });
        return found == document_.paragraphs.end() ? nullptr : &*found;
    }

    static RtfDocument document_;
};

RtfDocument RtfWritingRules::document_;

TEST_F(RtfWritingRules, OpensWithABoldHeadingLargerThanTheBody) {
    ASSERT_GE(document_.paragraphs.size(), 40u);
    const auto& heading = document_.paragraphs[0];
    ASSERT_EQ(heading.runs.size(), 1u);
    EXPECT_EQ(heading.runs[0].text, "The most essential writing rules");
    EXPECT_TRUE(heading.runs[0].format.bold);

    const auto& body = document_.paragraphs[1].runs.at(0).format;
    EXPECT_FALSE(body.bold);
    EXPECT_GT(heading.runs[0].format.pointSize, body.pointSize);
}

TEST_F(RtfWritingRules, EverySectionHasABoldSubHeading) {
    for (const char* title :
         {"1. Spaces and punctuation marks", "2. Capital letters", "3. Numbers",
          "4. Dates and times", "5. Abbreviations", "6. Line breaks and paragraphs",
          "7. Quotation marks and brackets", "8. Hyphen and dash"}) {
        const auto* paragraph = paragraphStarting(title);
        ASSERT_NE(paragraph, nullptr) << title;
        EXPECT_EQ(paragraph->text(), title);
        EXPECT_TRUE(paragraph->runs.at(0).format.bold) << title;
    }
}

TEST_F(RtfWritingRules, ExamplesAreItalic) {
    const auto* example = paragraphStarting("Dear Anna, thank you");
    ASSERT_NE(example, nullptr);
    EXPECT_TRUE(example->runs.at(0).format.italic);
}

TEST_F(RtfWritingRules, EscapedCharactersAndTheTabbedExampleSurvive) {
    const std::string all = document_.text();
    EXPECT_NE(all.find("caf\xE9"), std::string::npos);
    EXPECT_NE(all.find("\xBD kg"), std::string::npos);
    EXPECT_NE(all.find("9:00\x96"
                       "17:00"),
              std::string::npos);
    EXPECT_NE(paragraphStarting("\t"), nullptr);
}

TEST_F(RtfWritingRules, NotesAreColouredAndNoMarkupLeaks) {
    const auto* note = paragraphStarting("Note:");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->runs.at(0).format.colour.has_value());

    const std::string all = document_.text();
    for (const char* leak : {"\\", "{", "}", "Arial", "Courier", "Clavora writer"}) {
        EXPECT_EQ(all.find(leak), std::string::npos) << leak;
    }
}

} // namespace
