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

void append(std::string& out, const std::string& text) {
    appendText(out, text);
}

template <typename Number> void append(std::string& out, Number value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

template <typename... Fields> void appendRow(std::string& out, const Fields&... fields) {
    bool first = true;
    ((out += first ? "" : ",", first = false, append(out, fields)), ...);
    out += "\r\n";
}

} // namespace

std::string exercisesCsv(const std::vector<ExerciseRow>& rows) {
    std::string out(kHeader);
    for (const auto& r : rows) {
        appendRow(out, r.id, r.user, r.started, r.lesson, r.kind, r.completed ? 1 : 0, r.keystrokes,
                  r.faults, r.seconds, r.kpm, r.faultRate, r.layout);
    }
    return out;
}

} // namespace history
