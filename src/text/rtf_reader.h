#pragma once

#include "text/rtf_document.h"

#include <string_view>

namespace text {

// Reads RTF as word processors write it, keeping the text and its
// character format (bold, italic, underline, size, colour).
//
// \par ends a paragraph; \line becomes '\n' and \tab '\t' inside the run
// text. \'hh bytes are taken as Windows-1252 (\ansicpg1252); \uN becomes
// its Windows-1252 byte or '?' and its \ucN fallback is skipped. Tables,
// pictures, headers, document information and unknown \* groups are not
// shown; table cells are separated by '\t', each row is a paragraph.
//
// Any input ends in linear time with whatever text was read: unbalanced
// braces, truncation and garbage are tolerated, and groups nested deeper
// than a thousand levels show no text.
RtfDocument readRtf(std::string_view bytes);

} // namespace text
