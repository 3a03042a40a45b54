#include "exercises/texttasten.h"

#include "keyboard/leuchttabelle.h"

#include <algorithm>

namespace exercises {
namespace {

constexpr char kEllipse = '\x85';
constexpr std::uint8_t kTabulator = 9;

// Windows-1252's typographic characters and the keys that stand for them.
std::uint8_t gleichwertig(std::uint8_t zeichen) {
    switch (zeichen) {
    case 0x82: // single low quote
    case 0x8B: // single angle quotes
    case 0x9B:
    case 0x91: // single quotes
    case 0x92:
    case 0xB4: // acute accent as apostrophe
        return '\'';
    case 0x84: // double low quote
    case 0x93: // double quotes
    case 0x94:
    case 0xAB: // guillemets
    case 0xBB:
        return '"';
    case 0x96: // en and em dash
    case 0x97:
        return '-';
    case 0xA0: // no-break space
        return ' ';
    default:
        return zeichen;
    }
}

} // namespace

std::uint8_t tastenzeichenFuer(std::uint8_t tastaturcode, std::uint8_t zeichen) {
    if (zeichen == kTabulator) {
        return 0; // Tab moves the focus in the window; it never reaches the practice
    }
    const std::uint8_t taste = gleichwertig(zeichen);
    return keyboard::leuchtendeTasten(tastaturcode, taste) != 0 ? taste : 0;
}

std::string uebungszeile(std::string_view zeile) {
    std::string aus;
    aus.reserve(zeile.size());
    for (const char c : zeile) {
        if (c == kEllipse) {
            aus += "...";
        } else {
            aus += c;
        }
    }
    return aus;
}

bool etwasZuTippen(std::uint8_t tastaturcode, const std::vector<std::string>& zeilen) {
    return std::any_of(zeilen.begin(), zeilen.end(), [tastaturcode](const std::string& zeile) {
        return std::any_of(zeile.begin(), zeile.end(), [tastaturcode](char c) {
            return c == kEllipse ||
                   tastenzeichenFuer(tastaturcode, static_cast<std::uint8_t>(c)) != 0;
        });
    });
}

} // namespace exercises
