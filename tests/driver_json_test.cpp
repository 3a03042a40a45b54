#include "driver/json_writer.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

using driver::JsonWriter;

TEST(JsonWriter, PlacesCommasBetweenElementsOfNestedContainers) {
    JsonWriter json;
    json.beginObject()
        .field("a", 1)
        .key("b")
        .beginArray()
        .beginArray()
        .endArray()
        .beginObject()
        .endObject()
        .value(true)
        .null()
        .endArray()
        .field("c", "x")
        .endObject();
    EXPECT_EQ(json.text(), R"({"a":1,"b":[[],{},true,null],"c":"x"})");
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
    JsonWriter json;
    json.value("q\"b\\r\rn\nt\tz\x01\x1f\x7f");
    EXPECT_EQ(json.text(), "\"q\\\"b\\\\r\\rn\\nt\\tz\\u0001\\u001f\x7f\"");
}

TEST(JsonWriter, EscapesAnEmbeddedNulByte) {
    JsonWriter json;
    json.value(std::string_view("a\0b", 3));
    EXPECT_EQ(json.text(), R"("a\u0000b")");
}

TEST(JsonWriter, KeepsUtf8AndReplacesMalformedBytes) {
    JsonWriter json;
    json.beginArray()
        .value("\xC3\xB6\xE2\x82\xAC")
        .value("a\xF6"
               "b")
        .value("\xE2\x82")
        .endArray();
    EXPECT_EQ(json.text(), "[\"\xC3\xB6\xE2\x82\xAC\",\"a\xEF\xBF\xBD"
                           "b\",\"\xEF\xBF\xBD\xEF\xBF\xBD\"]");
}

TEST(JsonWriter, WritesNumbersExactlyAndNonFiniteAsNull) {
    JsonWriter json;
    json.beginArray()
        .value(std::uint8_t{200})
        .value(std::int16_t{-7})
        .value(std::uint64_t{18446744073709551615ULL})
        .value(3.5F)
        .value(0.1F)
        .value(0.1)
        .value(std::nan(""))
        .value(std::numeric_limits<double>::infinity())
        .endArray();
    EXPECT_EQ(json.text(), "[200,-7,18446744073709551615,3.5,0.1,0.1,null,null]");
}

} // namespace
