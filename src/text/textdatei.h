#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Own texts: plain text files, read and written line by line. Inside the
// program their lines are Windows-1252 like every other text.
namespace text {

// A file that is valid UTF-8 is read as UTF-8, anything else as
// Windows-1252; saving writes the text back the way it was read.
enum class Kodierung { Utf8, Windows1252 };

struct Textinhalt {
    std::vector<std::string> zeilen;
    Kodierung kodierung = Kodierung::Utf8;
    bool bom = false; // a UTF-8 file that began with a byte-order mark
    // Characters of a UTF-8 file that Windows-1252 lacks, each shown as '?'.
    int ersetzt = 0;
};

// The lines of a text file (LF, CR LF or CR alone), or why it cannot serve as
// a text: it cannot be read, it is larger than a practice text can be, or it
// holds NUL or many control bytes (a program or picture, not a text).
struct Leseergebnis {
    std::optional<Textinhalt> inhalt;
    std::string fehler;
};
Leseergebnis textLesen(const std::filesystem::path& datei);
// The same for bytes already read.
Leseergebnis textAusBytes(std::string_view bytes);

// The name the preview shows for an encoding.
const char* kodierungsname(Kodierung kodierung);

// Writes the lines, each ended by a line break, in the given encoding; the
// error text, empty on success.
std::string textSchreiben(const std::filesystem::path& datei,
                          const std::vector<std::string>& zeilen,
                          Kodierung kodierung = Kodierung::Utf8, bool bom = false);

// Rows and characters as the text's preview counts them: at most the first
// 120 characters of a line count, and an empty text is one empty row.
struct Textmasse {
    int zeilen = 0;
    int laenge = 0;
};
Textmasse textZaehlen(const std::vector<std::string>& zeilen);

} // namespace text
