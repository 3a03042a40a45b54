#include "history/csv.h"

#include <array>
#include <charconv>
#include <string_view>

namespace history {
namespace {

constexpr std::string_view kHeader =
    "id,user,started,lesson,kind,completed,keystrokes,faults,seconds,kpm,fault_rate,layout\r\n";

// A cell a spreadsheet would take for a formula (a learner's name is typed
// freely) starts with a quote mark instead, so it is shown, never run.
bool looksLikeFormula(std::string_view text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

void appendText(std::string& out, std::string_view text) {
    const bool formula = looksLikeFormula(text);
    const bool quoted = formula || text.find_first_of(",\"\r\n") != std::string_view::npos;
    if (quoted) {
        out += '"';
    }
    if (formula) {
        out += '\'';
    }
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    if (quoted) {
        out += '"';
    }
}

template <typename Number> void appendNumber(std::string& out, Number value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

} // namespace

std::string exercisesCsv(const std::vector<ExerciseRow>& rows) {
    std::string out(kHeader);
    for (const auto& r : rows) {
        appendNumber(out, r.id);
        out += ',';
        appendText(out, r.user);
        out += ',';
        appendText(out, r.started);
        out += ',';
        appendNumber(out, r.lesson);
        out += ',';
        appendText(out, r.kind);
        out += r.completed ? ",1," : ",0,";
        appendNumber(out, r.keystrokes);
        out += ',';
        appendNumber(out, r.faults);
        out += ',';
        appendNumber(out, r.seconds);
        out += ',';
        appendNumber(out, r.kpm);
        out += ',';
        appendNumber(out, r.faultRate);
        out += ',';
        appendText(out, r.layout);
        out += "\r\n";
    }
    return out;
}

} // namespace history
