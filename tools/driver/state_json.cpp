#include "driver/state_json.h"

#include "text/cp1252.h"
#include "users/record_table.h"

namespace driver {
namespace {

template <class T> void put(JsonWriter& json, std::string_view name, const T& value) {
    json.field(name, value);
}

void put(JsonWriter& json, std::string_view name, const std::string& cp1252) {
    json.field(name, text::toUtf8(cp1252));
}

// The display state is printed as the program's number for it.
void put(JsonWriter& json, std::string_view name, Anzeige anzeige) {
    json.field(name, static_cast<std::uint8_t>(anzeige));
}

// The faults noted for the history, as the character bytes expected and typed.
void put(JsonWriter& json, std::string_view name, const std::vector<Fehlerpaar>& paare) {
    json.key(name).beginArray();
    for (const auto& p : paare) {
        json.beginObject().field("erwartet", p.erwartet).field("getippt", p.getippt).endObject();
    }
    json.endArray();
}

// The strokes counted per expected character: only those counted, by byte.
void put(JsonWriter& json, std::string_view name, const std::array<std::int32_t, 256>& zahlen) {
    json.key(name).beginObject();
    for (std::size_t zeichen = 0; zeichen < zahlen.size(); ++zeichen) {
        if (zahlen[zeichen] != 0) {
            json.field(std::to_string(zeichen), zahlen[zeichen]);
        }
    }
    json.endObject();
}

void put(JsonWriter& json, std::string_view name, const FingerPaare& fingers) {
    json.key(name).beginArray();
    for (std::size_t finger = 1; finger < fingers.size(); ++finger) {
        json.beginObject()
            .field("anschlaege", fingers[finger].anschlaege)
            .field("fehler", fingers[finger].fehler)
            .endObject();
    }
    json.endArray();
}

template <class T, std::size_t N>
void put(JsonWriter& json, std::string_view name, const std::array<T, N>& fromOne) {
    json.key(name).beginArray();
    for (std::size_t i = 1; i < N; ++i) {
        json.value(fromOne[i]);
    }
    json.endArray();
}

template <std::size_t Fingers, std::size_t Lessons>
void put(JsonWriter& json, std::string_view name,
         const std::array<std::array<std::uint8_t, Lessons>, Fingers>& table) {
    json.key(name).beginArray();
    for (std::size_t finger = 1; finger < Fingers; ++finger) {
        json.beginArray();
        for (std::size_t lesson = 1; lesson < Lessons; ++lesson) {
            json.value(table[finger][lesson]);
        }
        json.endArray();
    }
    json.endArray();
}

// Trailing zero bytes are the unused rest of the buffer, not characters.
template <std::size_t N>
void putCharacters(JsonWriter& json, std::string_view name,
                   const std::array<std::uint8_t, N>& bytes) {
    std::size_t used = N;
    while (used > 0 && bytes[used - 1] == 0) {
        --used;
    }
    const std::string cp1252(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(used));
    json.field(name, text::toUtf8(cp1252));
}

template <std::size_t N>
void putHex(JsonWriter& json, std::string_view name, const std::array<std::uint8_t, N>& bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * N);
    for (const std::uint8_t byte : bytes) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0xF];
    }
    json.field(name, hex);
}

} // namespace

void writeState(JsonWriter& json, const Sitzungszustand& s) {
    json.beginObject();
    put(json, "buchstabenuebungaktiv", s.buchstabenuebungaktiv);
    put(json, "wortuebungaktiv", s.wortuebungaktiv);
    put(json, "eigenetexteaktiv", s.eigenetexteaktiv);
    put(json, "anzeigestatus", s.anzeigestatus);
    put(json, "statusvorpause", s.statusvorpause);
    put(json, "statusvoreinstellungen", s.statusvoreinstellungen);
    put(json, "pausiert", s.pausiert);
    put(json, "buchstabeneinstellungenoffen", s.buchstabeneinstellungenoffen);
    put(json, "worteinstellungenoffen", s.worteinstellungenoffen);
    put(json, "texteinstellungenoffen", s.texteinstellungenoffen);
    put(json, "wiederholungaktiv", s.wiederholungaktiv);
    put(json, "zeittest", s.zeittest);
    put(json, "restminuten", s.restminuten);
    put(json, "zeittestteil", s.zeittestteil);
    put(json, "angemeldet", s.angemeldet);
    put(json, "farblektion", s.farblektion);
    put(json, "wiederholungslektion", s.wiederholungslektion);
    put(json, "wiederholungsteil", s.wiederholungsteil);
    put(json, "gemerktelektion", s.gemerktelektion);
    put(json, "gemerkterteil", s.gemerkterteil);
    putCharacters(json, "zeichenfolge", s.zeichenfolge);
    put(json, "zeichenindex", s.zeichenindex);
    put(json, "zeichenvorrat", s.zeichenvorrat);
    put(json, "wortzeichenposition", s.wortzeichenposition);
    put(json, "textzeichenposition", s.textzeichenposition);
    put(json, "textzeile", s.textzeile);
    put(json, "textzeilen", s.textzeilen);
    put(json, "textlaenge", s.textlaenge);
    put(json, "anschlaegeBuchstaben", s.anschlaegeBuchstaben);
    put(json, "anschlaegeText", s.anschlaegeText);
    put(json, "fehlerBuchstaben", s.fehlerBuchstaben);
    put(json, "fehlerText", s.fehlerText);
    put(json, "fehlerquote", s.fehlerquote);
    put(json, "anpm", s.anpm);
    put(json, "tempoGezeigtUm", s.tempoGezeigtUm);
    put(json, "startstunde", s.startstunde);
    put(json, "startminute", s.startminute);
    put(json, "startsekunde", s.startsekunde);
    put(json, "tickstunde", s.tickstunde);
    put(json, "tickminute", s.tickminute);
    put(json, "ticksekunde", s.ticksekunde);
    put(json, "weiterstunde", s.weiterstunde);
    put(json, "weiterminute", s.weiterminute);
    put(json, "weitersekunde", s.weitersekunde);
    put(json, "startzeitpunkt", s.startzeitpunkt);
    put(json, "tickzeitpunkt", s.tickzeitpunkt);
    put(json, "weiterzeitpunkt", s.weiterzeitpunkt);
    put(json, "uebungssekunden", s.uebungssekunden);
    put(json, "pausensekunden", s.pausensekunden);
    put(json, "pausensekundenbisher", s.pausensekundenbisher);
    put(json, "letzterfehler", s.letzterfehler);
    put(json, "fehlerpaare", s.fehlerpaare);
    put(json, "anschlagzahlen", s.anschlagzahlen);
    put(json, "uebungAufgezeichnet", s.uebungAufgezeichnet);
    put(json, "fingerBuchstaben", s.fingerBuchstaben);
    put(json, "fingerWort", s.fingerWort);
    put(json, "fingeranschlaege", s.fingeranschlaege);
    put(json, "fingerfehler", s.fingerfehler);
    put(json, "bildschirmbreite", s.bildschirmbreite);
    put(json, "bildschirmhoehe", s.bildschirmhoehe);
    put(json, "programmverzeichnis", s.programmverzeichnis);
    put(json, "mitgeliefertverzeichnis", s.mitgeliefertverzeichnis);
    // What the user record keeps, in the record's order and under the session's names.
    users::forEachField([&](const auto& row) {
        if constexpr (users::HeldWholeInSession<decltype(row.location)>) {
            put(json, row.name, s.*row.location.member);
        }
    });
    putHex(json, "benutzersatz", s.benutzersatz);
    put(json, "satzanzahl", s.satzanzahl);
    put(json, "programmstartstunde", s.programmstartstunde);
    put(json, "programmstartminute", s.programmstartminute);
    put(json, "tastenzeichen", s.tastenzeichen);
    put(json, "hilfstext", s.hilfstext);
    put(json, "hilfstext2", s.hilfstext2);
    put(json, "schleifenzaehler", s.schleifenzaehler);
    put(json, "tippfehler", s.tippfehler);
    put(json, "vorherigerindex", s.vorherigerindex);
    put(json, "neuezeichen", s.neuezeichen);
    put(json, "neuzeichenzaehler", s.neuzeichenzaehler);
    put(json, "lernfortschritt", s.lernfortschritt);
    put(json, "wortzeile", s.wortzeile);
    put(json, "zeilenlaenge", s.zeilenlaenge);
    put(json, "lektionsanfangszeile", s.lektionsanfangszeile);
    put(json, "untergrenzezeile", s.untergrenzezeile);
    put(json, "obergrenzezeile", s.obergrenzezeile);
    put(json, "ziehversuche", s.ziehversuche);
    put(json, "lernfortschrittangezeigt", s.lernfortschrittangezeigt);
    put(json, "vorherigewortzeile", s.vorherigewortzeile);
    put(json, "fehltaste", s.fehltaste);
    put(json, "vorhandenertext", s.vorhandenertext);
    put(json, "textUtf8", s.textUtf8);
    put(json, "textMitBom", s.textMitBom);
    put(json, "uebungszeile", s.uebungszeile);
    put(json, "fingerfehlerquoten", s.fingerfehlerquoten);
    put(json, "loeschfreigabe", s.loeschfreigabe);
    put(json, "loeschzeile", s.loeschzeile);
    json.endObject();
}

} // namespace driver
