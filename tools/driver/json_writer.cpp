#include "driver/json_writer.h"

#include "text/utf8.h"

#include <charconv>
#include <cmath>

namespace driver {
namespace {

constexpr char kHex[] = "0123456789abcdef";

template <class Number> void appendNumber(std::string& out, Number number) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out.append(buffer, result.ptr);
}

} // namespace

JsonWriter& JsonWriter::beginObject() {
    open('{');
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    open('[');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    appendEscaped(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view utf8) {
    separate();
    appendEscaped(utf8);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    if (!std::isfinite(number)) {
        return null();
    }
    separate();
    appendNumber(out_, number);
    return *this;
}

JsonWriter& JsonWriter::value(float number) {
    if (!std::isfinite(number)) {
        return null();
    }
    separate();
    appendNumber(out_, number);
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t number) {
    separate();
    appendNumber(out_, number);
    return *this;
}

JsonWriter& JsonWriter::unsignedInteger(std::uint64_t number) {
    separate();
    appendNumber(out_, number);
    return *this;
}

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (nonEmpty_.empty()) {
        return;
    }
    if (nonEmpty_.back()) {
        out_ += ',';
    }
    nonEmpty_.back() = true;
}

void JsonWriter::open(char bracket) {
    separate();
    out_ += bracket;
    nonEmpty_.push_back(false);
}

void JsonWriter::close(char bracket) {
    if (!nonEmpty_.empty()) {
        nonEmpty_.pop_back();
    }
    out_ += bracket;
}

void JsonWriter::appendEscaped(std::string_view utf8) {
    out_ += '"';
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[pos]);
        if (c >= 0x80) {
            const auto sequence = text::decodeUtf8(utf8, pos);
            if (!sequence) {
                out_ += "\xEF\xBF\xBD";
                ++pos;
                continue;
            }
            out_.append(utf8.substr(pos, sequence->length));
            pos += sequence->length;
            continue;
        }
        ++pos;
        switch (c) {
        case '"':
            out_ += "\\\"";
            continue;
        case '\\':
            out_ += "\\\\";
            continue;
        case '\n':
            out_ += "\\n";
            continue;
        case '\r':
            out_ += "\\r";
            continue;
        case '\t':
            out_ += "\\t";
            continue;
        default:
            break;
        }
        if (c < 0x20) {
            out_ += "\\u00";
            out_ += kHex[c >> 4];
            out_ += kHex[c & 0xF];
            continue;
        }
        out_ += static_cast<char>(c);
    }
    out_ += '"';
}

} // namespace driver
