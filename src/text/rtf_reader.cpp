#include "text/rtf_reader.h"

#include "text/cp1252.h"
#include "text/rtf_control_words.h"
#include "text/rtf_tokenizer.h"

#include <algorithm>
#include <vector>

namespace text {
namespace {

// Deeper groups are counted but not kept, so nesting costs no memory.
constexpr std::size_t kMaxDepth = 1000;

enum class Destination { Text, ColourTable, Skipped };

struct GroupState {
    RtfFormat format;
    Destination destination = Destination::Text;
    std::int32_t fallbackLength = 1; // \ucN
};

// One \colortbl entry while it is read; an entry without components is the
// default colour.
struct ColourEntry {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    bool given = false;

    std::optional<std::uint32_t> value() const {
        if (!given) {
            return std::nullopt;
        }
        return red | (green << 8) | (blue << 16);
    }
};

std::uint32_t colourComponent(std::optional<std::int32_t> parameter) {
    return static_cast<std::uint32_t>(std::clamp(parameter.value_or(0), 0, 255));
}

bool switchedOn(std::optional<std::int32_t> parameter) {
    return parameter.value_or(1) != 0;
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : tokens_(bytes) {}

    RtfDocument read() {
        while (const auto token = tokens_.next()) {
            handle(*token);
        }
        if (!paragraph_.runs.empty()) {
            endParagraph();
        }
        return std::move(document_);
    }

private:
    GroupState& state() { return groups_.back(); }
    bool insideGroup() const { return groups_.size() > 1; }

    void handle(const RtfToken& token) {
        using Kind = RtfToken::Kind;
        if (token.kind == Kind::GroupStart) {
            openGroup();
            return;
        }
        if (token.kind == Kind::GroupEnd) {
            closeGroup();
            return;
        }
        if (tooDeep_ > 0 || skipsFallback()) {
            return;
        }
        switch (token.kind) {
        case Kind::ControlWord:
            controlWord(token.word, token.parameter);
            break;
        case Kind::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        default:
            textByte(token.byte);
            break;
        }
    }

    // A \uN fallback is skipped token by token; a group boundary ends it.
    bool skipsFallback() {
        if (fallbackLeft_ <= 0) {
            return false;
        }
        --fallbackLeft_;
        return true;
    }

    void openGroup() {
        fallbackLeft_ = 0;
        if (tooDeep_ > 0 || groups_.size() > kMaxDepth) {
            ++tooDeep_;
            return;
        }
        groups_.push_back(state());
    }

    void closeGroup() {
        fallbackLeft_ = 0;
        if (tooDeep_ > 0) {
            --tooDeep_;
            return;
        }
        if (insideGroup()) {
            groups_.pop_back();
        }
    }

    void controlWord(std::string_view word, std::optional<std::int32_t> parameter) {
        if (isSkippedDestination(word)) {
            enterDestination(Destination::Skipped);
        } else if (word == "colortbl") {
            enterDestination(Destination::ColourTable);
        } else if (state().destination == Destination::ColourTable) {
            colourWord(word, parameter);
        } else if (word == "u") {
            unicodeCharacter(parameter.value_or(0));
        } else if (word == "uc") {
            state().fallbackLength = std::max(parameter.value_or(1), 0);
        } else if (!formatWord(word, parameter)) {
            textWord(word);
        }
    }

    // What a skipped group holds stays skipped, even a colour table.
    void enterDestination(Destination destination) {
        if (insideGroup() && state().destination != Destination::Skipped) {
            state().destination = destination;
        }
    }

    void colourWord(std::string_view word, std::optional<std::int32_t> parameter) {
        if (word == "red") {
            colourEntry_.red = colourComponent(parameter);
        } else if (word == "green") {
            colourEntry_.green = colourComponent(parameter);
        } else if (word == "blue") {
            colourEntry_.blue = colourComponent(parameter);
        } else {
            return;
        }
        colourEntry_.given = true;
    }

    bool formatWord(std::string_view word, std::optional<std::int32_t> parameter) {
        RtfFormat& format = state().format;
        if (word == "b") {
            format.bold = switchedOn(parameter);
        } else if (word == "i") {
            format.italic = switchedOn(parameter);
        } else if (isUnderlineWord(word)) {
            format.underline = switchedOn(parameter);
        } else if (word == "ulnone") {
            format.underline = false;
        } else if (word == "plain") {
            format = RtfFormat{};
        } else if (word == "fs") {
            fontSize(parameter.value_or(24));
        } else if (word == "cf") {
            format.colour = tableColour(parameter.value_or(0));
        } else {
            return false;
        }
        return true;
    }

    // Sizes a word processor could not have meant are ignored.
    void fontSize(std::int32_t halfPoints) {
        if (halfPoints < 1 || halfPoints > 3276) {
            return;
        }
        state().format.pointSize = halfPoints / 2.0;
    }

    std::optional<std::uint32_t> tableColour(std::int32_t index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= colours_.size()) {
            return std::nullopt;
        }
        return colours_[static_cast<std::size_t>(index)];
    }

    void textWord(std::string_view word) {
        if (word == "par" || word == "row") {
            paragraphEnd();
        } else if (word == "line") {
            emit('\n');
        } else if (word == "cell" || word == "nestcell") {
            emit('\t');
        } else if (const auto byte = characterWord(word)) {
            emit(*byte);
        }
    }

    void controlSymbol(char symbol) {
        switch (symbol) {
        case '*':
            enterDestination(Destination::Skipped);
            break;
        case '~':
            emit(0xA0);
            break;
        case '_':
            emit('-');
            break;
        case '\\':
        case '{':
        case '}':
            textByte(static_cast<std::uint8_t>(symbol));
            break;
        default: // \- (optional hyphen) and the rest show nothing
            break;
        }
    }

    void unicodeCharacter(std::int32_t value) {
        fallbackLeft_ = state().fallbackLength;
        const std::int64_t codePoint = value < 0 ? std::int64_t{value} + 65536 : value;
        // A surrogate pair is one character outside Windows-1252: its high
        // half shows the '?', its low half nothing.
        if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
            return;
        }
        if (codePoint < 0 || codePoint > 0x10FFFF) {
            emit('?');
            return;
        }
        emit(fromUnicode(static_cast<char32_t>(codePoint)).value_or('?'));
    }

    void textByte(std::uint8_t byte) {
        if (state().destination == Destination::ColourTable && byte == ';') {
            colours_.push_back(colourEntry_.value());
            colourEntry_ = ColourEntry{};
            return;
        }
        emit(byte);
    }

    void paragraphEnd() {
        if (state().destination == Destination::Text) {
            endParagraph();
        }
    }

    void endParagraph() {
        document_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = RtfParagraph{};
    }

    // Control characters other than tab and line break never reach a run.
    void emit(std::uint8_t byte) {
        if (state().destination != Destination::Text) {
            return;
        }
        if (byte < 0x20 && byte != '\t' && byte != '\n') {
            return;
        }
        auto& runs = paragraph_.runs;
        if (runs.empty() || runs.back().format != state().format) {
            runs.push_back(RtfRun{{}, state().format});
        }
        runs.back().text += static_cast<char>(byte);
    }

    RtfTokenizer tokens_;
    std::vector<GroupState> groups_{GroupState{}};
    std::size_t tooDeep_ = 0;
    std::int32_t fallbackLeft_ = 0;
    std::vector<std::optional<std::uint32_t>> colours_;
    ColourEntry colourEntry_;
    RtfParagraph paragraph_;
    RtfDocument document_;
};

} // namespace

RtfDocument readRtf(std::string_view bytes) {
    return Reader(bytes).read();
}

} // namespace text
