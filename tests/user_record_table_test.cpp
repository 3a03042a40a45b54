#include "state/sitzungszustand.h"
#include "users/benutzersatz.h"
#include "users/record_table.h"
#include "users/sitzungsuebertragung.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string_view>

namespace {

TEST(UserRecordTable, EveryByteOfTheRecordBelongsToExactlyOneRow) {
    std::array<std::string_view, kSatzGroesse> owner{};
    users::forEachRow([&](const auto& row) {
        ASSERT_LE(row.offset + row.width, kSatzGroesse) << row.name << " runs past the record";
        for (std::size_t i = row.offset; i < row.offset + row.width; ++i) {
            EXPECT_TRUE(owner[i].empty())
                << row.name << " overlaps " << owner[i] << " at offset " << i;
            owner[i] = row.name;
        }
    });
    for (std::size_t i = 0; i < kSatzGroesse; ++i) {
        EXPECT_FALSE(owner[i].empty()) << "no row owns offset " << i;
    }
}

users::Satz distinctRecord() {
    users::Satz satz{};
    std::ifstream in(std::filesystem::path(CLAVORA_TEST_DATA) / "user_record_distinct.dat",
                     std::ios::binary);
    in.read(reinterpret_cast<char*>(satz.data()), satz.size());
    return satz;
}

// The session set by hand to the distinct record's values (a different one
// in every field), so a row that takes another field's session member shows.
TEST(UserRecordTable, EachSessionValueIsWrittenToItsOwnField) {
    Sitzungszustand s;
    s.benutzername = "ANNA M\xDCLLER";
    s.lektion = 13;
    s.lektionsteil = 1;
    s.farbeKleinfinger = 0x00112233;
    s.farbeRingfinger = 0x00445566;
    s.farbeMittelfinger = 0x00778899;
    s.farbeZeigefinger = 0x00AABBCC;
    s.farbeDaumen = 0x00DDEEFF;
    s.nutzungen = 0x1234;
    s.wunschanschlaege = 0x0104;
    s.wunschfehlerquote = 2.75F;
    s.korrekturerzwingen = true;
    s.schriftgroesseBuchstabe = 150;
    s.schriftgroesseWort = 23;
    s.schriftgroesseText = 17;
    for (std::size_t lektion = 1; lektion <= 16; ++lektion) {
        for (std::size_t finger = 1; finger <= 9; ++finger) {
            s.lektionsfehlerquoten[finger][lektion] =
                static_cast<std::uint8_t>((7 * (finger - 1) + 3 * (lektion - 1)) % 101);
        }
        s.buchstabenuebungbestanden[lektion] = lektion % 2 == 1;
        s.wortuebungbestanden[lektion] = lektion <= 5;
    }
    s.lektionsfehlerquoten[9][16] = 101;
    s.schriftBuchstabe = "Courier New";
    s.schriftWort = "Arial";
    s.schriftText = "DejaVu Sans Mono";
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        s.fingerBuchstaben[finger] = {static_cast<std::int16_t>(1000 + finger),
                                      static_cast<std::int16_t>(0x0A00 + finger)};
    }
    s.tastaturschriftweiss = true;
    s.skalierung = 50;
    s.anteilBekannte = 45;
    s.tastaturcode = 2;
    s.schriftstilWort = 3;
    s.schriftstilText = 2;
    s.stimme = true;
    s.fehlerton = false;

    const users::Satz original = distinctRecord();
    const users::Benutzerdaten expected = users::decode(original);
    const users::Benutzerdaten d = users::ausSitzung(s, {2024, 2, 29, 5}, {0x00A1B2C3, 4, 27});
    users::forEachField(
        [&](const auto& row) { EXPECT_EQ(d.*row.value, expected.*row.value) << row.name; });

    users::Satz satz = original;
    users::encode(d, satz);
    EXPECT_EQ(satz, original);
}

} // namespace
