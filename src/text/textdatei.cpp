#include "text/textdatei.h"

#include "files/read_file.h"
#include "files/write_file.h"
#include "text/cp1252.h"
#include "text/utf8.h"

#include <algorithm>

namespace text {
namespace {

// A practice text is typed line by line; a megabyte is far beyond any.
constexpr std::uintmax_t kGroessterText = 1024U * 1024U;
constexpr std::size_t kGezaehlteZeichen = 120;
constexpr std::string_view kBom = "\xEF\xBB\xBF";
// A text has tabs and line breaks; a program or picture has control bytes
// throughout. More than one in fifty marks a file that is no text.
constexpr std::size_t kSteuerzeichenAnteil = 50;

std::vector<std::string> zeilenAus(std::string_view inhalt) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] != '\n' && inhalt[i] != '\r') {
            continue;
        }
        zeilen.emplace_back(inhalt.substr(anfang, i - anfang));
        if (inhalt[i] == '\r' && i + 1 < inhalt.size() && inhalt[i + 1] == '\n') {
            ++i;
        }
        anfang = i + 1;
    }
    if (anfang < inhalt.size()) {
        zeilen.emplace_back(inhalt.substr(anfang));
    }
    return zeilen;
}

bool steuerzeichen(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v' && c != 0x1A;
}

bool keinText(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) {
        return true;
    }
    const auto anzahl =
        static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
            return steuerzeichen(static_cast<unsigned char>(c));
        }));
    return anzahl * kSteuerzeichenAnteil > bytes.size();
}

bool gueltigesUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto folge = decodeUtf8(bytes, pos);
        if (!folge) {
            return false;
        }
        pos += folge->length;
    }
    return true;
}

// Typographic characters that Windows-1252 lacks are written as the keys
// that type them; anything else it lacks becomes '?'.
char ersatzFuer(char32_t zeichen) {
    switch (zeichen) {
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2015:
    case 0x2212:
        return '-';
    case 0x201B:
    case 0x2032:
        return '\'';
    case 0x201F:
    case 0x2033:
        return '"';
    case 0x2002:
    case 0x2003:
    case 0x2007:
    case 0x2009:
    case 0x200A:
    case 0x202F:
        return ' ';
    default:
        return '?';
    }
}

std::string ausUtf8(std::string_view bytes, int& ersetzt) {
    std::string aus;
    aus.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto folge = decodeUtf8(bytes, pos);
        pos += folge->length;
        if (const auto byte = fromUnicode(folge->codePoint)) {
            aus += static_cast<char>(*byte);
            continue;
        }
        const char ersatz = ersatzFuer(folge->codePoint);
        ersetzt += ersatz == '?' ? 1 : 0;
        aus += ersatz;
    }
    return aus;
}

} // namespace

Leseergebnis textAusBytes(std::string_view bytes) {
    if (keinText(bytes)) {
        return {std::nullopt, "The file is no text file."};
    }
    Textinhalt inhalt;
    const bool bom = bytes.starts_with(kBom);
    if (gueltigesUtf8(bytes)) {
        inhalt.bom = bom;
        if (bom) {
            bytes.remove_prefix(kBom.size());
        }
        inhalt.zeilen = zeilenAus(ausUtf8(bytes, inhalt.ersetzt));
        return {std::move(inhalt), {}};
    }
    inhalt.kodierung = Kodierung::Windows1252;
    inhalt.zeilen = zeilenAus(bytes);
    return {std::move(inhalt), {}};
}

Leseergebnis textLesen(const std::filesystem::path& datei) {
    const auto gelesen = files::readFile(datei, kGroessterText);
    if (gelesen.failure == files::ReadFailure::TooLarge) {
        return {std::nullopt, "The file is too large for a practice text."};
    }
    if (!gelesen.ok()) {
        return {std::nullopt, gelesen.error};
    }
    return textAusBytes(gelesen.bytes);
}

const char* kodierungsname(Kodierung kodierung) {
    return kodierung == Kodierung::Utf8 ? "UTF-8" : "Windows-1252";
}

std::string textSchreiben(const std::filesystem::path& datei,
                          const std::vector<std::string>& zeilen, Kodierung kodierung, bool bom) {
    std::string bytes;
    if (kodierung == Kodierung::Utf8 && bom) {
        bytes += kBom;
    }
    for (const auto& zeile : zeilen) {
        bytes += kodierung == Kodierung::Utf8 ? toUtf8(zeile) : zeile;
        bytes += '\n';
    }
    return files::writeFileAtomically(datei, bytes);
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
