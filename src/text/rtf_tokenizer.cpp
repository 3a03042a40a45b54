#include "text/rtf_tokenizer.h"

#include <algorithm>
#include <limits>

namespace text {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> hexValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

RtfToken ofKind(RtfToken::Kind kind) {
    RtfToken token;
    token.kind = kind;
    return token;
}

} // namespace

std::optional<RtfToken> RtfTokenizer::next() {
    while (pos_ < input_.size()) {
        const char c = input_[pos_++];
        if (c == '{') {
            return ofKind(RtfToken::Kind::GroupStart);
        }
        if (c == '}') {
            return ofKind(RtfToken::Kind::GroupEnd);
        }
        if (c == '\\') {
            if (auto token = escape()) {
                return token;
            }
            continue;
        }
        if (c == '\r' || c == '\n') {
            continue;
        }
        RtfToken token = ofKind(RtfToken::Kind::Text);
        token.byte = static_cast<std::uint8_t>(c);
        return token;
    }
    return std::nullopt;
}

std::optional<RtfToken> RtfTokenizer::escape() {
    if (pos_ >= input_.size()) {
        return std::nullopt;
    }
    const char c = input_[pos_];
    if (isLetter(c)) {
        return controlWord();
    }
    ++pos_;
    if (c == '\'') {
        return hexByte();
    }
    if (c == '\r' || c == '\n') {
        RtfToken token = ofKind(RtfToken::Kind::ControlWord);
        token.word = "par";
        return token;
    }
    RtfToken token = ofKind(RtfToken::Kind::ControlSymbol);
    token.symbol = c;
    return token;
}

RtfToken RtfTokenizer::controlWord() {
    const std::size_t start = pos_;
    while (pos_ < input_.size() && isLetter(input_[pos_])) {
        ++pos_;
    }
    RtfToken token = ofKind(RtfToken::Kind::ControlWord);
    token.word = input_.substr(start, pos_ - start);
    token.parameter = parameter();
    if (pos_ < input_.size() && input_[pos_] == ' ') {
        ++pos_;
    }
    if (token.word == "bin") {
        skipBinary(token.parameter);
    }
    return token;
}

std::optional<std::int32_t> RtfTokenizer::parameter() {
    std::size_t p = pos_;
    const bool negative = p < input_.size() && input_[p] == '-';
    if (negative) {
        ++p;
    }
    // A '-' without digits is no parameter; it stays for the text.
    if (p >= input_.size() || !isDigit(input_[p])) {
        return std::nullopt;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; p < input_.size() && isDigit(input_[p]); ++p) {
        value = std::min(value * 10 + (input_[p] - '0'), kLimit);
    }
    pos_ = p;
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<RtfToken> RtfTokenizer::hexByte() {
    if (input_.size() - pos_ < 2) {
        pos_ = input_.size();
        return std::nullopt;
    }
    const auto high = hexValue(input_[pos_]);
    const auto low = hexValue(input_[pos_ + 1]);
    if (!high || !low) {
        return std::nullopt;
    }
    pos_ += 2;
    RtfToken token = ofKind(RtfToken::Kind::HexByte);
    token.byte = static_cast<std::uint8_t>(*high * 16 + *low);
    return token;
}

void RtfTokenizer::skipBinary(std::optional<std::int32_t> length) {
    if (!length || *length <= 0) {
        return;
    }
    pos_ += std::min(static_cast<std::size_t>(*length), input_.size() - pos_);
}

} // namespace text
