#include "text/rtf_reader.h"

#include <array>
#include <chrono>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

namespace {

using text::readRtf;
using text::RtfDocument;

constexpr std::string_view kSample =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Test;}"
    "\\pard\\b\\fs32 Heading\\b0\\fs24\\par "
    "Some {\\i italic} and {\\cf1 red} text, K\\'e4se \\u8364? \\u-3913?\\tab x\\line y\\par "
    "{\\pict\\pngblip 0102030405}{\\*\\blip\\bin4 {}\\}\\{\\}\\\\ done\\par}";

// What any document must look like, however broken its source: runs are
// never empty, hold no control characters but tab and line break, and
// every character came from at least one input byte.
void expectWellFormed(const RtfDocument& document, std::size_t inputSize) {
    std::size_t characters = 0;
    for (const auto& paragraph : document.paragraphs) {
        for (const auto& run : paragraph.runs) {
            ASSERT_FALSE(run.text.empty());
            for (const char c : run.text) {
                const auto byte = static_cast<unsigned char>(c);
                ASSERT_TRUE(byte >= 0x20 || c == '\t' || c == '\n') << int{byte};
            }
            characters += run.text.size();
        }
    }
    EXPECT_LE(characters, inputSize);
    EXPECT_LE(document.paragraphs.size(), inputSize + 1);
}

std::string randomSyntax(std::mt19937& random, std::size_t length) {
    static constexpr std::array<std::string_view, 20> kPieces = {
        "{",    "}",    "\\",   "\\'", "\\u",        "-",          "\\par", "\\b", "\\*", "\\bin",
        "\\fs", "\\cf", "\\uc", ";",   "\\colortbl", "9999999999", "e4",    " ",   "x",   "\\pict"};
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::string out;
    while (out.size() < length) {
        out += kPieces[pick(random)];
    }
    return out;
}

std::string randomBytes(std::mt19937& random, std::size_t length) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string out(length, '\0');
    for (auto& c : out) {
        c = static_cast<char>(byte(random));
    }
    return out;
}

std::string mutated(std::mt19937& random, std::string input) {
    std::uniform_int_distribution<int> edits(1, 12);
    std::uniform_int_distribution<int> kind(0, 3);
    static constexpr std::string_view kInserts = "{}\\'-0123456789;? ";
    for (int n = edits(random); n > 0 && !input.empty(); --n) {
        std::uniform_int_distribution<std::size_t> at(0, input.size() - 1);
        const std::size_t pos = at(random);
        switch (kind(random)) {
        case 0:
            input.erase(pos, 1);
            break;
        case 1:
            input.insert(pos, 1, kInserts[at(random) % kInserts.size()]);
            break;
        case 2:
            input[pos] = static_cast<char>(random());
            break;
        default:
            input.resize(pos);
            break;
        }
    }
    return input;
}

TEST(RtfRobustness, RandomAndMutatedInputsAllReturnWellFormedDocuments) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> length(0, 600);
    int inputs = 0;
    for (int i = 0; i < 1500; ++i) {
        for (const std::string& input :
             {randomBytes(random, length(random)), randomSyntax(random, length(random)),
              mutated(random, std::string(kSample))}) {
            SCOPED_TRACE(input);
            expectWellFormed(readRtf(input), input.size());
            ++inputs;
            if (HasFatalFailure()) {
                return;
            }
        }
    }
    EXPECT_EQ(inputs, 4500);
}

TEST(RtfRobustness, UnbalancedBracesKeepTheTextRead) {
    EXPECT_EQ(readRtf("}}}{\\rtf1 text}}}} more").text(), "text more");

    const auto unclosed = readRtf("{\\rtf1 {\\b bold {\\i both");
    ASSERT_EQ(unclosed.paragraphs.size(), 1u);
    EXPECT_EQ(unclosed.text(), "bold both");
    EXPECT_TRUE(unclosed.paragraphs[0].runs.back().format.italic);
}

TEST(RtfRobustness, TruncatedEscapesEndQuietly) {
    EXPECT_EQ(readRtf("{\\rtf1 abc\\").text(), "abc");
    EXPECT_EQ(readRtf("{\\rtf1 abc\\'e").text(), "abc");
    EXPECT_EQ(readRtf("{\\rtf1 abc\\'zz").text(), "abczz");
    EXPECT_EQ(readRtf("{\\rtf1 abc\\u").text(), "abc");
    EXPECT_EQ(readRtf("{\\rtf1 abc\\u-").text(), "abc");
    EXPECT_EQ(readRtf("{\\rtf1{\\colortbl;\\red").text(), "");
    EXPECT_EQ(readRtf("").paragraphs.size(), 0u);
}

TEST(RtfRobustness, HugeNumbersAreSaturatedNotOverflowed) {
    const auto document = readRtf("{\\rtf1{\\colortbl;\\red99999999999999999999;}"
                                  "\\fs99999999999999999999 a\\cf99999999999 b"
                                  "\\u99999999999 c\\uc99999999999 \\u65 de\\uc1"
                                  "\\cf-99999999999999 f\\cf1 g}");

    EXPECT_EQ(document.text(), "ab?A");
    const auto& runs = document.paragraphs.at(0).runs;
    EXPECT_EQ(runs.front().format.pointSize, 12.0);
    EXPECT_EQ(runs.front().format.colour, std::nullopt);
}

TEST(RtfRobustness, HugeBinaryLengthSkipsToTheEnd) {
    EXPECT_EQ(readRtf("{\\rtf1 before\\bin2147483647 after}").text(), "before");
    EXPECT_EQ(readRtf("{\\rtf1 before\\bin99999999999999999999 after}").text(), "before");
    EXPECT_EQ(readRtf("{\\rtf1 a\\bin-5 b}").text(), "ab");
}

TEST(RtfRobustness, GroupsDeeperThanTheLimitShowNoText) {
    const auto nested = [](std::size_t depth, std::string_view inner) {
        return std::string(depth, '{') + std::string(inner) + std::string(depth, '}') + "after";
    };

    EXPECT_EQ(readRtf(nested(1000, "deep ")).text(), "deep after");
    EXPECT_EQ(readRtf(nested(1001, "too deep ")).text(), "after");
    EXPECT_EQ(readRtf(nested(1'000'000, "too deep ")).text(), "after");
    EXPECT_EQ(readRtf(std::string(1'000'000, '{') + "\\b x").text(), "");
}

TEST(RtfRobustness, BinaryGarbageIsReadAsWhatItLooksLike) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        everyByte += static_cast<char>(b);
    }
    const auto document = readRtf(everyByte + everyByte);

    expectWellFormed(document, 512);
    EXPECT_FALSE(document.paragraphs.empty());
}

double secondsToRead(const std::string& input, RtfDocument& document) {
    const auto start = std::chrono::steady_clock::now();
    document = readRtf(input);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(RtfRobustness, TenMegabyteDocumentIsReadCompletely) {
    constexpr std::string_view kParagraph =
        "{\\b Bold} plain \\'e4\\u8364? {\\i\\cf1 italic}\\tab end\\par\n";
    std::string input = "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}";
    std::size_t paragraphs = 0;
    while (input.size() < 10'000'000) {
        input += kParagraph;
        ++paragraphs;
    }
    input += "}";

    RtfDocument document;
    const double seconds = secondsToRead(input, document);
    std::cout << "[ timing   ] " << input.size() << " bytes of RTF in " << seconds << " s\n";
    RecordProperty("seconds", std::to_string(seconds));

    ASSERT_EQ(document.paragraphs.size(), paragraphs);
    EXPECT_EQ(document.paragraphs.back().text(), "Bold plain \xE4\x80 italic\tend");
    EXPECT_EQ(document.paragraphs.back().runs.size(), 4u);
}

TEST(RtfRobustness, TenMegabytesOfSyntaxAloneIsReadToTheEnd) {
    const std::string braces = std::string(5'000'000, '{') + std::string(5'000'000, '}') + "x";
    std::string words;
    while (words.size() < 10'000'000) {
        words += "\\b\\u-1\\'41\\*";
    }
    words += "{}x";

    RtfDocument document;
    const double bracesSeconds = secondsToRead(braces, document);
    EXPECT_EQ(document.text(), "x");
    const double wordsSeconds = secondsToRead(words, document);
    std::cout << "[ timing   ] 10 MB of braces in " << bracesSeconds << " s, 10 MB of words in "
              << wordsSeconds << " s\n";
    EXPECT_FALSE(document.paragraphs.empty());
}

} // namespace
