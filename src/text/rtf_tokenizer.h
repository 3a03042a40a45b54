#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Splits RTF into its tokens. Every call consumes at least one byte, so a
// whole input takes linear time whatever it holds.
namespace text {

struct RtfToken {
    enum class Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

    Kind kind = Kind::Text;
    std::string_view word;                 // ControlWord: its letters
    std::optional<std::int32_t> parameter; // ControlWord: saturated to 32 bits
    char symbol = 0;                       // ControlSymbol: the character after '\'
    std::uint8_t byte = 0;                 // HexByte and Text
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view input) : input_(input) {}

    // Empty at the end of the input. Raw line ends are dropped, as RTF
    // ignores them; a backslash before a line end reads as \par. The data
    // after \binN is skipped here, so no later stage sees binary bytes.
    std::optional<RtfToken> next();

private:
    std::optional<RtfToken> escape();
    RtfToken controlWord();
    std::optional<std::int32_t> parameter();
    std::optional<RtfToken> hexByte();
    void skipBinary(std::optional<std::int32_t> length);

    std::string_view input_;
    std::size_t pos_ = 0;
};

} // namespace text
