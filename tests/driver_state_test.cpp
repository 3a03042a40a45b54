#include "driver/driver.h"
#include "driver/json_writer.h"
#include "driver/state_json.h"
#include "driver_fixture.h"
#include "temporary_directory.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

// Counts the members of an aggregate: the most initialisers its braces take.
struct AnyMember {
    template <class T> operator T() const;
};

template <class T, std::size_t... I> constexpr bool bracesTake(std::index_sequence<I...>) {
    return requires {
        T{(static_cast<void>(I), AnyMember{})...};
    };
}

template <class T, std::size_t N = 0> constexpr std::size_t memberCount() {
    if constexpr (bracesTake<T>(std::make_index_sequence<N + 1>{})) {
        return memberCount<T, N + 1>();
    } else {
        return N;
    }
}

// The keys of the outermost object of a JSON text, in order.
std::vector<std::string> topLevelKeys(const std::string& json) {
    std::vector<std::string> keys;
    int depth = 0;
    bool expectKey = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            const std::size_t start = i + 1;
            for (++i; json[i] != '"'; ++i) {
                i += json[i] == '\\' ? 1 : 0;
            }
            if (depth == 1 && expectKey) {
                keys.push_back(json.substr(start, i - start));
            }
            expectKey = false;
        } else if (c == '{' || c == '[') {
            expectKey = ++depth == 1;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == ',') {
            expectKey = depth == 1;
        }
    }
    return keys;
}

std::string stateJson(const Sitzungszustand& s) {
    driver::JsonWriter json;
    driver::writeState(json, s);
    return json.text();
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(StateJson, ListsEveryMemberOfTheSessionRecordOnce) {
    const auto keys = topLevelKeys(stateJson({}));
    EXPECT_EQ(keys.size(), memberCount<Sitzungszustand>())
        << "a member of Sitzungszustand is missing from tools/driver/state_json.cpp";
    auto sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST(StateJson, UsesTheRecordsOwnNames) {
    const auto keys = topLevelKeys(stateJson({}));
    for (const char* name : {"buchstabenuebungaktiv",
                             "wortuebungaktiv",
                             "eigenetexteaktiv",
                             "lektionsteil",
                             "anzeigestatus",
                             "statusvorpause",
                             "wiederholungaktiv",
                             "zeittest",
                             "restminuten",
                             "angemeldet",
                             "lektion",
                             "farblektion",
                             "zeichenfolge",
                             "zeichenindex",
                             "textlaenge",
                             "anschlaegeBuchstaben",
                             "fehlerBuchstaben",
                             "fehlerquote",
                             "anpm",
                             "startstunde",
                             "weitersekunde",
                             "startzeitpunkt",
                             "uebungssekunden",
                             "pausensekundenbisher",
                             "letzterfehler",
                             "fingerBuchstaben",
                             "fingerWort",
                             "fingeranschlaege",
                             "fingerfehler",
                             "wunschanschlaege",
                             "wunschfehlerquote",
                             "korrekturerzwingen",
                             "anteilBekannte",
                             "fehlerton",
                             "stimme",
                             "tastaturcode",
                             "farbeKleinfinger",
                             "farbeDaumen",
                             "schriftBuchstabe",
                             "schriftstilText",
                             "bildschirmhoehe",
                             "programmverzeichnis",
                             "benutzersatz",
                             "satzanzahl",
                             "hilfstext2",
                             "tippfehler",
                             "lernfortschritt",
                             "buchstabenuebungbestanden",
                             "wortuebungbestanden",
                             "benutzername",
                             "nutzungen",
                             "fingerfehlerquoten",
                             "lektionsfehlerquoten",
                             "skalierung",
                             "loeschzeile"}) {
        EXPECT_NE(std::find(keys.begin(), keys.end(), name), keys.end()) << name;
    }
}

TEST(StateJson, ArraysCountedFromOneShowOnlyTheirUsedSlots) {
    Sitzungszustand s;
    s.fingerBuchstaben[0] = {99, 99};
    s.fingerBuchstaben[1] = {5, 1};
    s.fingerBuchstaben[9] = {7, 2};
    s.fingeranschlaege[1] = 7;
    s.fingeranschlaege[9] = 9;
    s.buchstabenuebungbestanden[16] = true;
    s.fingerfehlerquoten[2] = 0.5;
    s.lektionsfehlerquoten[1][1] = 5;
    s.lektionsfehlerquoten[9][16] = 42;
    const std::string json = stateJson(s);

    const std::string zeroPair = R"({"anschlaege":0,"fehler":0},)";
    std::string fingers = R"("fingerBuchstaben":[{"anschlaege":5,"fehler":1},)";
    for (int i = 0; i < 7; ++i) {
        fingers += zeroPair;
    }
    EXPECT_TRUE(contains(json, fingers + R"({"anschlaege":7,"fehler":2}],)"));
    EXPECT_TRUE(contains(json, R"("fingeranschlaege":[7,0,0,0,0,0,0,0,9],)"));
    EXPECT_TRUE(contains(json, R"("fingerfehlerquoten":[0,0.5,0,0,0,0,0,0,0],)"));
    std::string passed = R"("buchstabenuebungbestanden":[)";
    for (int lesson = 1; lesson < 16; ++lesson) {
        passed += "false,";
    }
    EXPECT_TRUE(contains(json, passed + "true],"));

    std::string table = R"("lektionsfehlerquoten":[[5)";
    for (int finger = 1; finger <= 9; ++finger) {
        for (int lesson = finger == 1 ? 2 : 1; lesson <= 16; ++lesson) {
            table += lesson == 1 ? "],[" : ",";
            table += finger == 9 && lesson == 16 ? "42" : "0";
        }
    }
    EXPECT_TRUE(contains(json, table + "]],"));
}

TEST(StateJson, CharacterSequenceIsAStringAndTheUserRecordLowercaseHex) {
    Sitzungszustand s;
    s.zeichenfolge[0] = 'a';
    s.zeichenfolge[1] = 13;
    s.zeichenfolge[2] = 0xF6;
    s.benutzersatz[0] = 0xAB;
    s.benutzersatz[1] = 0x0C;
    s.benutzersatz[kSatzGroesse - 1] = 0xFF;
    const std::string json = stateJson(s);
    EXPECT_TRUE(contains(json, R"("zeichenfolge":"a\rö",)"));
    EXPECT_TRUE(contains(json, R"("benutzersatz":"ab0c)" + std::string(2 * kSatzGroesse - 6, '0') +
                                   R"(ff",)"));
}

TEST(StateJson, TextsAndNumbersKeepTheirValues) {
    Sitzungszustand s;
    s.benutzername = "J\xFCrgen";
    s.wunschfehlerquote = 3.5F;
    s.fehlerquote = 0.1;
    s.startzeitpunkt = -5;
    s.farbeDaumen = form::rgb(82, 255, 246);
    s.buchstabenuebungaktiv = true;
    const std::string json = stateJson(s);
    EXPECT_TRUE(contains(json, R"("benutzername":"Jürgen",)"));
    EXPECT_TRUE(contains(json, R"("wunschfehlerquote":3.5,)"));
    EXPECT_TRUE(contains(json, R"("fehlerquote":0.1,)"));
    EXPECT_TRUE(contains(json, R"("startzeitpunkt":-5,)"));
    EXPECT_TRUE(contains(json, R"("farbeDaumen":16187218,)"));
    EXPECT_TRUE(contains(json, R"({"buchstabenuebungaktiv":true,)"));
}

class StateJsonAfterSignIn : public DriverTest {};

// The record's values reach the state through its table: a row naming the
// wrong session member shows here. The fixture holds a different value in
// every field.
TEST_F(StateJsonAfterSignIn, ShowsEveryStoredValueUnderItsOwnName) {
    std::filesystem::copy_file(std::filesystem::path(CLAVORA_TEST_DATA) /
                                   "user_record_distinct.dat",
                               directory_ / "user30.dat");
    for (const char* command : {"focus ComboBox1", "type ANNA MÜLLER", "key #13"}) {
        driver_.execute(command);
    }
    const std::string json = driver_.execute("state");
    for (const char* part : {
             R"("benutzername":"ANNA MÜLLER",)",
             R"("lektion":13,)",
             R"("lektionsteil":1,)",
             R"("farbeKleinfinger":1122867,"farbeRingfinger":4478310,)",
             R"("farbeMittelfinger":7833753,"farbeZeigefinger":11189196,)",
             R"("farbeDaumen":14544639,)",
             R"("nutzungen":4661,)",
             R"("wunschanschlaege":260,)",
             R"("wunschfehlerquote":2.75,)",
             R"("korrekturerzwingen":true,)",
             R"("schriftgroesseBuchstabe":150,)",
             R"("schriftgroesseWort":23,)",
             R"("schriftgroesseText":17,)",
             R"("lektionsfehlerquoten":[[0,3,6,9,)",
             R"("buchstabenuebungbestanden":[true,false,)",
             R"("wortuebungbestanden":[true,true,true,true,true,false,)",
             R"("schriftBuchstabe":"Courier New",)",
             R"("schriftWort":"Arial",)",
             R"("schriftText":"DejaVu Sans Mono",)",
             R"("fingerBuchstaben":[{"anschlaege":1001,"fehler":2561},)",
             R"("tastaturschriftweiss":true,)",
             R"("skalierung":50,)",
             R"("anteilBekannte":45,)",
             R"("tastaturcode":2,)",
             R"("schriftstilWort":3,)",
             R"("schriftstilText":2,)",
             R"("stimme":true,)",
             R"("fehlerton":false,)",
         }) {
        EXPECT_TRUE(contains(json, part)) << part;
    }
}

TEST(StateJson, TheStateCommandPrintsTheProgramsRecordOnOneLine) {
    const TemporaryDirectory directory;
    driver::Options options;
    options.directory = directory.path();
    driver::Driver driver(options);
    driver.program().state().nutzungen = 4321;
    const std::string answer = driver.execute("state");
    EXPECT_EQ(answer.find('\n'), std::string::npos);
    EXPECT_TRUE(contains(answer, R"("nutzungen":4321,)"));
    EXPECT_TRUE(contains(driver.execute("state now"), "state takes no arguments"));
}

} // namespace
