#include "text/rtf_control_words.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace text {
namespace {

constexpr std::string_view kSkippedDestinations[] = {
    "fonttbl",
    "stylesheet",
    "info",
    "pict",
    "object",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "fldinst",
    "pn",
    "listtable",
    "listoverridetable",
    "revtbl",
    "rsidtbl",
    "filetbl",
    "generator",
    "nonshppict",
    "footnote",
    "annotation",
    "atnid",
    "atnauthor",
    "xe",
    "tc",
    "template",
    "themedata",
    "datastore",
    "latentstyles",
};

constexpr std::string_view kUnderlineWords[] = {
    "ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
    "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
    "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave",
};

constexpr std::array<std::pair<std::string_view, std::uint8_t>, 11> kCharacterWords = {{
    {"emdash", 0x97},
    {"endash", 0x96},
    {"lquote", 0x91},
    {"rquote", 0x92},
    {"ldblquote", 0x93},
    {"rdblquote", 0x94},
    {"bullet", 0x95},
    {"emspace", ' '},
    {"enspace", ' '},
    {"qmspace", ' '},
    {"tab", '\t'},
}};

} // namespace

bool isSkippedDestination(std::string_view word) {
    return std::ranges::find(kSkippedDestinations, word) != std::end(kSkippedDestinations);
}

bool isUnderlineWord(std::string_view word) {
    return std::ranges::find(kUnderlineWords, word) != std::end(kUnderlineWords);
}

std::optional<std::uint8_t> characterWord(std::string_view word) {
    const auto found =
        std::ranges::find(kCharacterWords, word, &std::pair<std::string_view, std::uint8_t>::first);
    if (found == kCharacterWords.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace text
