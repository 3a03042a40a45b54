#include "text/textdatei.h"

#include "files/read_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace text {
namespace {

// A practice text is typed line by line; a megabyte is far beyond any.
constexpr std::uintmax_t kGroessterText = 1024U * 1024U;
constexpr std::size_t kGezaehlteZeichen = 120;

std::vector<std::string> zeilenAus(const std::string& inhalt) {
    std::vector<std::string> zeilen;
    std::string zeile;
    std::istringstream ein(inhalt);
    while (std::getline(ein, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.pop_back();
        }
        zeilen.push_back(zeile);
    }
    return zeilen;
}

} // namespace

Leseergebnis textLesen(const std::filesystem::path& datei) {
    const auto gelesen = files::readFile(datei, kGroessterText);
    if (gelesen.failure == files::ReadFailure::TooLarge) {
        return {std::nullopt, "The file is too large for a practice text."};
    }
    if (!gelesen.ok()) {
        return {std::nullopt, gelesen.error};
    }
    if (gelesen.bytes.find('\0') != std::string::npos) {
        return {std::nullopt, "The file is no text file."};
    }
    return {Textinhalt{zeilenAus(gelesen.bytes)}, {}};
}

std::string textSchreiben(const std::filesystem::path& datei,
                          const std::vector<std::string>& zeilen) {
    std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
    for (const auto& zeile : zeilen) {
        aus << zeile << '\n';
    }
    aus.close();
    return aus ? std::string{} : std::string(std::strerror(errno));
}

Textmasse textZaehlen(const std::vector<std::string>& zeilen) {
    if (zeilen.empty()) {
        return {1, 0};
    }
    Textmasse masse;
    for (const auto& zeile : zeilen) {
        ++masse.zeilen;
        masse.laenge += static_cast<int>(std::min(zeile.size(), kGezaehlteZeichen));
    }
    return masse;
}

} // namespace text
