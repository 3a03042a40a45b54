#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// Builds compact JSON on one line. Commas are placed by the writer, so
// callers only say what comes next. Strings must be UTF-8; malformed bytes
// come out as U+FFFD so the output always stays valid JSON.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(const std::string& utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(bool flag);
    JsonWriter& value(double number);
    JsonWriter& value(float number);
    template <std::integral T>
    requires(!std::same_as<T, bool>) JsonWriter& value(T number) {
        if constexpr (std::signed_integral<T>) {
            return integer(static_cast<std::int64_t>(number));
        } else {
            return unsignedInteger(static_cast<std::uint64_t>(number));
        }
    }
    JsonWriter& null();

    template <class T> JsonWriter& field(std::string_view name, const T& v) {
        key(name);
        return value(v);
    }

    const std::string& text() const { return out_; }

private:
    JsonWriter& integer(std::int64_t number);
    JsonWriter& unsignedInteger(std::uint64_t number);
    void separate();
    void open(char bracket);
    void close(char bracket);
    void appendEscaped(std::string_view utf8);

    std::string out_;
    // One entry per open object or array: whether it already holds an element.
    std::vector<bool> nonEmpty_;
    bool afterKey_ = false;
};

} // namespace driver
