#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A formatted document as read from RTF: paragraphs made of runs of text
// that share one character format. All text is Windows-1252.
namespace text {

struct RtfFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double pointSize = 12.0; // RTF's default, \fs24
    // 0x00BBGGRR, as the window model keeps colours; empty means the
    // display's default text colour.
    std::optional<std::uint32_t> colour;

    bool operator==(const RtfFormat&) const = default;
};

// Never empty. A line break inside the paragraph (\line) is '\n' in the
// text and a tab is '\t'; no other control characters occur.
struct RtfRun {
    std::string text;
    RtfFormat format;
};

// An empty paragraph (no runs) is an empty line.
struct RtfParagraph {
    std::vector<RtfRun> runs;

    std::string text() const;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;

    // The paragraphs' text joined by '\n'.
    std::string text() const;
};

} // namespace text
