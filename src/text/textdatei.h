#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Own texts: plain 8-bit text files, read and written line by line.
namespace text {

struct Textinhalt {
    std::vector<std::string> zeilen;
};

// The lines of a text file (LF or CR LF), or why it cannot serve as a text:
// it cannot be read, it is larger than a practice text can be, or it holds
// NUL bytes (a program or picture, not a text).
struct Leseergebnis {
    std::optional<Textinhalt> inhalt;
    std::string fehler;
};
Leseergebnis textLesen(const std::filesystem::path& datei);

// Writes the lines, each ended by a line break; the error text, empty on success.
std::string textSchreiben(const std::filesystem::path& datei,
                          const std::vector<std::string>& zeilen);

// Rows and characters as the text's preview counts them: at most the first
// 120 characters of a line count, and an empty text is one empty row.
struct Textmasse {
    int zeilen = 0;
    int laenge = 0;
};
Textmasse textZaehlen(const std::vector<std::string>& zeilen);

} // namespace text
