#include "text/textdatei.h"

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
    std::error_code fehler;
    const auto groesse = std::filesystem::file_size(datei, fehler);
    if (fehler) {
        return {std::nullopt, fehler.message()};
    }
    if (groesse > kGroessterText) {
        return {std::nullopt, "The file is too large for a practice text."};
    }
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream puffer;
    if (!ein) {
        return {std::nullopt, std::strerror(errno)};
    }
    // An empty file inserts nothing, which a stream reports as a failure.
    if (groesse > 0 && !(puffer << ein.rdbuf())) {
        return {std::nullopt, std::strerror(errno)};
    }
    const std::string inhalt = puffer.str();
    if (inhalt.find('\0') != std::string::npos) {
        return {std::nullopt, "The file is no text file."};
    }
    return {Textinhalt{zeilenAus(inhalt)}, {}};
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
