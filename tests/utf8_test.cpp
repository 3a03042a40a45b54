#include "text/cp1252.h"
#include "text/utf8.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using text::decodeUtf8;

TEST(Utf8, DecodesEachSequenceLengthAtItsPosition) {
    const std::string mixed = "A\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80";
    struct Case {
        std::size_t pos;
        char32_t codePoint;
        std::size_t length;
    };
    for (const Case c : {Case{0, U'A', 1}, Case{1, U'\u00F6', 2}, Case{3, U'\u20AC', 3},
                         Case{6, U'\U0001F600', 4}}) {
        const auto sequence = decodeUtf8(mixed, c.pos);
        ASSERT_TRUE(sequence) << c.pos;
        EXPECT_EQ(sequence->codePoint, c.codePoint) << c.pos;
        EXPECT_EQ(sequence->length, c.length) << c.pos;
    }
}

TEST(Utf8, RefusesBadLeadsAndMissingContinuations) {
    for (const char* bad : {"\x80", "\xBF", "\xC0\x80", "\xC1\xBF", "\xF5\x80\x80\x80", "\xFF",
                            "\xE2\x82", "\xE2\x41\xAC", "\xC3"}) {
        EXPECT_FALSE(decodeUtf8(bad, 0)) << static_cast<int>(static_cast<unsigned char>(*bad));
    }
}

TEST(Utf8, ConversionToWindows1252MarksEachUnreadableByte) {
    EXPECT_EQ(text::fromUtf8("\xE2\x82\xAC\xC3\xB6 \xC5\x82\xF0\x9F\x98\x80"), "\x80\xF6 ??");
    EXPECT_EQ(text::fromUtf8("a\xE2\x82"
                             "b\xC0"),
              "a??b?");
    EXPECT_EQ(text::toUtf8("\x80\xF6\x81"), "\xE2\x82\xAC\xC3\xB6\xC2\x81");
}

} // namespace
