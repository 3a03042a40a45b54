#include "text/rtf_document.h"

namespace text {

std::string RtfParagraph::text() const {
    std::string out;
    for (const auto& run : runs) {
        out += run.text;
    }
    return out;
}

std::string RtfDocument::text() const {
    std::string out;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            out += '\n';
        }
        out += paragraphs[i].text();
    }
    return out;
}

} // namespace text
