#include "state/sitzungszustand.h"
#include "users/benutzersatz.h"
#include "users/bereinigen.h"
#include "users/sitzungsuebertragung.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

using users::Benutzerdaten;
using users::Satz;

Satz fixture(const char* name) {
    Satz satz{};
    std::ifstream in(std::filesystem::path(CLAVORA_TEST_DATA) / name, std::ios::binary);
    in.read(reinterpret_cast<char*>(satz.data()), satz.size());
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(satz.size())) << name;
    return satz;
}

std::vector<std::uint8_t> bytesAt(const Satz& satz, std::size_t offset, std::size_t count) {
    return {satz.begin() + offset, satz.begin() + offset + count};
}

// The bytes no field owns: the reserved ones and the tails of the three
// font names and the name (after the distinct record's string lengths).
std::vector<std::size_t> unownedBytesOfTheDistinctRecord() {
    std::vector<std::size_t> offsets = {47, 505, 542, 543, 558, 559};
    const std::initializer_list<std::pair<std::size_t, std::size_t>> strings = {
        {0, 11}, {262, 11}, {343, 5}, {424, 16}};
    for (const auto& [start, length] : strings) {
        const std::size_t end = start == 0 ? 46 : start + 81;
        for (std::size_t i = start + 1 + length; i < end; ++i) {
            offsets.push_back(i);
        }
    }
    return offsets;
}

// The values user_record_distinct.dat holds (see tests/data/user_fixtures.py).
Benutzerdaten distinctValues() {
    Benutzerdaten d;
    d.name = "ANNA M\xDCLLER";
    d.lektion = 13;
    d.farbeKleinfinger = 0x00112233;
    d.farbeRingfinger = 0x00445566;
    d.farbeMittelfinger = 0x00778899;
    d.farbeZeigefinger = 0x00AABBCC;
    d.farbeDaumen = 0x00DDEEFF;
    d.nutzungen = 0x1234;
    d.wunschanschlaege = 0x0104;
    d.wunschfehlerquote = 2.75F;
    d.korrekturerzwingen = true;
    d.lektionsteil = 1;
    d.wochentag = 5;
    d.tag = 29;
    d.monat = 2;
    d.schriftgroesseBuchstabe = 150;
    d.schriftgroesseWort = 23;
    d.schriftgroesseText = 17;
    d.jahr = 2024;
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        for (std::size_t lektion = 1; lektion <= 16; ++lektion) {
            d.lektionsfehlerquoten[finger][lektion] =
                static_cast<std::uint8_t>((7 * (finger - 1) + 3 * (lektion - 1)) % 101);
        }
    }
    d.lektionsfehlerquoten[9][16] = 101;
    for (std::size_t lektion = 1; lektion <= 16; ++lektion) {
        d.buchstabenuebungbestanden[lektion] = lektion % 2 == 1;
        d.wortuebungbestanden[lektion] = lektion <= 5;
    }
    d.schriftBuchstabe = "Courier New";
    d.schriftWort = "Arial";
    d.schriftText = "DejaVu Sans Mono";
    for (std::size_t finger = 1; finger <= 9; ++finger) {
        d.buchstabenanschlaege[finger] = static_cast<std::uint16_t>(1000 + finger);
        d.buchstabenfehler[finger] = static_cast<std::uint16_t>(0x0A00 + finger);
    }
    d.buchstabenfeldfarbe = 0x00A1B2C3;
    d.tastaturschriftweiss = true;
    d.skalierung = 50;
    d.anteilBekannte = 45;
    d.tastaturcode = 2;
    d.schriftstilWort = 3;
    d.schriftstilText = 2;
    d.stimme = true;
    d.fehlerton = false;
    d.farbschema = 4;
    d.testdauer = 27;
    return d;
}

TEST(UserRecord, DecodingTheDistinctRecordReadsEveryFieldFromItsOffset) {
    const Benutzerdaten d = users::decode(fixture("user_record_distinct.dat"));
    const Benutzerdaten expected = distinctValues();

    // The multi-byte fields first, for a readable message when one is misread.
    EXPECT_EQ(d.name, expected.name);
    EXPECT_EQ(d.farbeKleinfinger, 0x00112233u);
    EXPECT_EQ(d.nutzungen, 0x1234);
    EXPECT_EQ(d.wunschfehlerquote, 2.75F);
    EXPECT_EQ(d.jahr, 2024);
    EXPECT_EQ(d.lektionsfehlerquoten, expected.lektionsfehlerquoten);
    EXPECT_EQ(d.buchstabenfehler, expected.buchstabenfehler);
    EXPECT_EQ(d, expected);
}

TEST(UserRecord, EncodingPutsEachFieldAtItsOffsetLittleEndian) {
    Satz satz{};
    users::encode(distinctValues(), satz);

    struct Field {
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Field> fields = {
        {0, {11, 'A', 'N', 'N', 'A', ' ', 'M', 0xDC, 'L', 'L', 'E', 'R'}},
        {46, {13}},
        {48, {0x33, 0x22, 0x11, 0x00, 0x66, 0x55, 0x44, 0x00, 0x99, 0x88, 0x77, 0x00}},
        {60, {0xCC, 0xBB, 0xAA, 0x00, 0xFF, 0xEE, 0xDD, 0x00}},
        {68, {0x34, 0x12, 0x04, 0x01}},
        {72, {0x00, 0x00, 0x30, 0x40}},
        {76, {1, 1, 5, 29, 2, 150, 23, 17, 0xE8, 0x07}},
        {86, {0, 3, 6, 9}},
        {86 + 16, {7, 10, 13}},
        {86 + 16 * 8 + 15, {101}},
        {86 + 16 * 9, {1, 0, 1, 0}},
        {86 + 16 * 10 + 4, {1, 0}},
        {262, {11, 'C', 'o', 'u', 'r'}},
        {343, {5, 'A', 'r', 'i', 'a', 'l'}},
        {424, {16, 'D', 'e', 'j', 'a'}},
        {506, {0xE9, 0x03, 0xEA, 0x03}},
        {522, {0xF1, 0x03, 0x01, 0x0A}},
        {540, {0x09, 0x0A}},
        {544, {0xC3, 0xB2, 0xA1, 0x00, 1, 50, 45, 2, 3, 2, 1, 0, 4, 27}},
    };
    for (const auto& field : fields) {
        EXPECT_EQ(bytesAt(satz, field.offset, field.bytes.size()), field.bytes)
            << "at offset " << field.offset;
    }
}

TEST(UserRecord, EncodingOverTheFixtureBuffersReproducesItByteForByte) {
    const Satz original = fixture("user_record_distinct.dat");

    // Every byte a field owns is scrambled first, so encode must write all of them.
    Satz satz{};
    satz.fill(0x5A);
    for (const std::size_t offset : unownedBytesOfTheDistinctRecord()) {
        satz[offset] = original[offset];
    }
    users::encode(distinctValues(), satz);
    EXPECT_EQ(satz, original);

    Satz fresh{};
    users::encode(distinctValues(), fresh);
    Satz expected = original;
    for (const std::size_t offset : unownedBytesOfTheDistinctRecord()) {
        expected[offset] = 0;
    }
    EXPECT_EQ(fresh, expected);
}

TEST(UserRecord, ReservedBytesAndStringTailsSurviveAReadAndWrite) {
    const Satz original = fixture("user_record_foreign.dat");
    Satz satz = original;
    users::encode(users::decode(satz), satz);
    EXPECT_EQ(satz, original);

    Benutzerdaten d = users::decode(satz);
    d.lektion = 9;
    d.schriftWort = "Arial";
    users::encode(d, satz);
    for (std::size_t i = 0; i < satz.size(); ++i) {
        const bool changed = i == 46 || (i >= 343 && i <= 343 + 5);
        EXPECT_EQ(satz[i] != original[i], changed) << "at offset " << i;
    }
}

TEST(UserRecord, OverlongStringsAreCutToTheirField) {
    Benutzerdaten d = distinctValues();
    d.name = std::string(50, 'N');
    d.schriftText = std::string(90, 'F');
    Satz satz{};
    satz.fill(0x11);
    users::encode(d, satz);

    EXPECT_EQ(satz[0], 45);
    EXPECT_EQ(satz[46], 13) << "the name ran into the lesson";
    EXPECT_EQ(satz[424], 80);
    EXPECT_EQ(satz[505], 0x11) << "the font name ran into the reserved byte";
    EXPECT_EQ(users::decode(satz).name, std::string(45, 'N'));

    satz[0] = 200;
    EXPECT_EQ(users::benutzernameIn(satz), std::string(45, 'N'));
}

TEST(UserRecord, ANewUserStartsWithTheDefaults) {
    const Benutzerdaten d = users::neuerBenutzer("ANNA", {2026, 3, 4, 4}, 1024);

    EXPECT_EQ(d.name, "ANNA");
    EXPECT_EQ(d.lektion, 1);
    EXPECT_EQ(d.lektionsteil, 0);
    EXPECT_EQ(d.farbeKleinfinger, 0xE15300u);
    EXPECT_EQ(d.farbeRingfinger, 0xE1B400u);
    EXPECT_EQ(d.farbeMittelfinger, 0xFFD070u);
    EXPECT_EQ(d.farbeZeigefinger, 0xD9FFB8u);
    EXPECT_EQ(d.farbeDaumen, 0xF6FF52u);
    EXPECT_EQ(d.nutzungen, 0);
    EXPECT_EQ(d.wunschanschlaege, 40);
    EXPECT_EQ(d.wunschfehlerquote, 3.5F);
    EXPECT_TRUE(d.korrekturerzwingen);
    EXPECT_EQ(d.jahr, 2026);
    EXPECT_EQ(d.monat, 3);
    EXPECT_EQ(d.tag, 4);
    EXPECT_EQ(d.wochentag, 4);
    EXPECT_EQ(d.schriftgroesseBuchstabe, 155);
    EXPECT_EQ(d.schriftgroesseWort, 23);
    EXPECT_EQ(d.schriftgroesseText, 17);
    for (std::size_t lektion = 1; lektion <= 16; ++lektion) {
        for (std::size_t finger = 1; finger <= 9; ++finger) {
            EXPECT_EQ(d.lektionsfehlerquoten[finger][lektion], 101);
        }
        EXPECT_FALSE(d.buchstabenuebungbestanden[lektion]);
        EXPECT_FALSE(d.wortuebungbestanden[lektion]);
    }
    EXPECT_EQ(d.schriftBuchstabe, "Times New Roman");
    EXPECT_EQ(d.schriftWort, "Times New Roman");
    EXPECT_EQ(d.schriftText, "Times New Roman");
    EXPECT_EQ(d.buchstabenanschlaege, (std::array<std::uint16_t, 10>{}));
    EXPECT_EQ(d.buchstabenfehler, (std::array<std::uint16_t, 10>{}));
    EXPECT_EQ(d.buchstabenfeldfarbe, 0xC0C0C0u);
    EXPECT_FALSE(d.tastaturschriftweiss);
    EXPECT_EQ(d.skalierung, 25);
    EXPECT_EQ(d.anteilBekannte, 30);
    EXPECT_EQ(d.tastaturcode, 3);
    EXPECT_EQ(d.schriftstilWort, 1);
    EXPECT_EQ(d.schriftstilText, 0);
    EXPECT_FALSE(d.stimme);
    EXPECT_TRUE(d.fehlerton);
    EXPECT_EQ(d.farbschema, 7);
    EXPECT_EQ(d.testdauer, 10);

    Satz satz{};
    users::encode(d, satz);
    EXPECT_EQ(users::decode(satz), d);
    EXPECT_EQ(bytesAt(satz, 86, 1), std::vector<std::uint8_t>{101});
    EXPECT_EQ(bytesAt(satz, 86 + 16 * 9, 32), std::vector<std::uint8_t>(32, 0));
}

TEST(UserRecord, ANewUsersLetterSizeIsCappedAtOneByteOnWideScreens) {
    EXPECT_EQ(users::neuerBenutzer("A", {}, 1600).schriftgroesseBuchstabe, 242);
    const Benutzerdaten wide = users::neuerBenutzer("A", {}, 2560);
    EXPECT_EQ(wide.schriftgroesseBuchstabe, 255);
    EXPECT_EQ(wide.schriftgroesseWort, 58);
    EXPECT_EQ(wide.schriftgroesseText, 44);
}

TEST(UserRecord, TheSessionTakesTheStoredValuesAndCountsTheRunningSession) {
    const Benutzerdaten d = distinctValues();
    Sitzungszustand s;
    users::inSitzung(d, s);

    EXPECT_EQ(s.benutzername, d.name);
    EXPECT_EQ(s.nutzungen, 0x1235);
    EXPECT_EQ(s.wunschanschlaege, 260);
    EXPECT_EQ(s.lektionsfehlerquoten, d.lektionsfehlerquoten);
    EXPECT_EQ(s.fingerBuchstaben[1].anschlaege, 1001);
    EXPECT_EQ(s.fingerBuchstaben[9].fehler, 0x0A09);
    EXPECT_EQ(s.schriftText, "DejaVu Sans Mono");

    const users::Steuerwerte steuer{d.buchstabenfeldfarbe, d.farbschema, d.testdauer};
    const platform::Date heute{d.jahr, d.monat, d.tag, d.wochentag};
    Benutzerdaten back = users::ausSitzung(s, heute, steuer);
    EXPECT_EQ(back.nutzungen, 0x1235);
    back.nutzungen = d.nutzungen;
    EXPECT_EQ(back, d) << "a field is lost between the record and the session";
}

TEST(UserRecord, WritingTakesTodayTheControlsLowBytesAndTheLow16BitsOfTheSpeed) {
    Sitzungszustand s;
    users::inSitzung(users::neuerBenutzer("BEN", {2020, 1, 1, 4}, 1024), s);
    s.wunschanschlaege = 70000;

    const Benutzerdaten d = users::ausSitzung(s, {2031, 12, 24, 4}, {0x123456, 256 + 5, 30});
    EXPECT_EQ(d.jahr, 2031);
    EXPECT_EQ(d.monat, 12);
    EXPECT_EQ(d.tag, 24);
    EXPECT_EQ(d.wochentag, 4);
    EXPECT_EQ(d.wunschanschlaege, 70000 - 65536);
    EXPECT_EQ(d.buchstabenfeldfarbe, 0x123456u);
    EXPECT_EQ(d.farbschema, 5);
    EXPECT_EQ(d.testdauer, 30);
}

// A valid new user's record with some bytes changed, loaded as sign-in loads it.
Benutzerdaten loaded(const std::function<void(Satz&)>& damage) {
    Satz satz{};
    users::encode(users::neuerBenutzer("ANNA", {2026, 1, 5, 2}, 1024), satz);
    damage(satz);
    Benutzerdaten d = users::decode(satz);
    users::bereinigen(d);
    return d;
}

Benutzerdaten withByte(std::size_t offset, std::uint8_t value) {
    return loaded([=](Satz& s) { s[offset] = value; });
}

Benutzerdaten withU16(std::size_t offset, std::uint16_t value) {
    return loaded([=](Satz& s) {
        s[offset] = static_cast<std::uint8_t>(value);
        s[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    });
}

Benutzerdaten withFaultRateTarget(float value) {
    return loaded([=](Satz& s) {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        for (std::size_t k = 0; k < 4; ++k) {
            s[72 + k] = static_cast<std::uint8_t>(bits >> (8 * k));
        }
    });
}

TEST(UserRecord, ALessonOutOfRangeLoadsAsTheNearestValidOne) {
    EXPECT_EQ(withByte(46, 0).lektion, 1);
    EXPECT_EQ(withByte(46, 200).lektion, 16);
    EXPECT_EQ(withByte(46, 17).lektion, 16);
    EXPECT_EQ(withByte(46, 16).lektion, 16);
    EXPECT_EQ(withByte(77, 2).lektionsteil, 0);
    EXPECT_EQ(withByte(77, 1).lektionsteil, 1);
}

TEST(UserRecord, LessonTableValuesOutOfRangeLoadAsNoValueOrPassed) {
    const std::size_t finger3Lesson5 = 86 + 16 * 2 + 4;
    EXPECT_EQ(withByte(finger3Lesson5, 102).lektionsfehlerquoten[3][5], 101);
    EXPECT_EQ(withByte(finger3Lesson5, 255).lektionsfehlerquoten[3][5], 101);
    EXPECT_EQ(withByte(finger3Lesson5, 100).lektionsfehlerquoten[3][5], 100);

    const Benutzerdaten flags = loaded([](Satz& s) {
        s[86 + 16 * 9 + 6] = 2;
        s[86 + 16 * 10 + 15] = 0xFF;
    });
    EXPECT_TRUE(flags.buchstabenuebungbestanden[7]);
    EXPECT_TRUE(flags.wortuebungbestanden[16]);
    Satz satz{};
    users::encode(flags, satz);
    EXPECT_EQ(satz[86 + 16 * 9 + 6], 1);
    EXPECT_EQ(satz[86 + 16 * 10 + 15], 1);
}

TEST(UserRecord, TargetsOutOfRangeLoadClampedOrAsTheDefault) {
    EXPECT_EQ(withU16(70, 5).wunschanschlaege, 20);
    EXPECT_EQ(withU16(70, 261).wunschanschlaege, 260);
    EXPECT_EQ(withU16(70, 5000).wunschanschlaege, 260);
    EXPECT_EQ(withU16(70, 120).wunschanschlaege, 120);

    EXPECT_EQ(withFaultRateTarget(std::nanf("")).wunschfehlerquote, 3.5F);
    EXPECT_EQ(withFaultRateTarget(std::numeric_limits<float>::infinity()).wunschfehlerquote, 3.5F);
    EXPECT_EQ(withFaultRateTarget(-0.5F).wunschfehlerquote, 3.5F);
    EXPECT_EQ(withFaultRateTarget(6.5F).wunschfehlerquote, 3.5F);
    EXPECT_EQ(withFaultRateTarget(6.0F).wunschfehlerquote, 6.0F);
    EXPECT_EQ(withFaultRateTarget(0.0F).wunschfehlerquote, 0.0F);

    EXPECT_EQ(withByte(550, 10).anteilBekannte, 20);
    EXPECT_EQ(withByte(550, 99).anteilBekannte, 50);
    EXPECT_EQ(withByte(550, 20).anteilBekannte, 20);

    EXPECT_EQ(withByte(557, 0).testdauer, 10);
    EXPECT_EQ(withByte(557, 31).testdauer, 10);
    EXPECT_EQ(withByte(557, 1).testdauer, 1);
    EXPECT_EQ(withByte(557, 30).testdauer, 30);
}

TEST(UserRecord, DisplaySettingsOutOfRangeLoadAsTheNearestOrTheDefault) {
    EXPECT_EQ(withByte(551, 9).tastaturcode, 3);
    EXPECT_EQ(withByte(551, 2).tastaturcode, 2);
    EXPECT_EQ(withByte(549, 30).skalierung, 25);
    EXPECT_EQ(withByte(549, 0).skalierung, 25);
    for (const std::uint8_t scale : {10, 50, 100}) {
        EXPECT_EQ(withByte(549, scale).skalierung, scale);
    }
    EXPECT_EQ(withByte(552, 4).schriftstilWort, 1);
    EXPECT_EQ(withByte(552, 3).schriftstilWort, 3);
    EXPECT_EQ(withByte(553, 9).schriftstilText, 0);
    EXPECT_EQ(withByte(553, 2).schriftstilText, 2);
    EXPECT_EQ(withByte(556, 9).farbschema, 7);
    EXPECT_EQ(withByte(556, 8).farbschema, 8);
}

TEST(UserRecord, OverlongLengthBytesAndFlagBytesLoadCutAndAsZeroOrOne) {
    const Benutzerdaten d = loaded([](Satz& s) {
        s[0] = 46;
        s[262] = 255;
        s[76] = 0;
        s[548] = 7;
        s[554] = 0x80;
        s[555] = 0;
    });
    EXPECT_EQ(d.name.size(), 45u);
    EXPECT_EQ(d.name.substr(0, 4), "ANNA");
    EXPECT_EQ(d.schriftBuchstabe.size(), 80u);
    EXPECT_EQ(d.schriftBuchstabe.substr(0, 15), "Times New Roman");

    Satz satz{};
    users::encode(d, satz);
    EXPECT_EQ(satz[0], 45);
    EXPECT_EQ(satz[262], 80);
    EXPECT_EQ(satz[76], 0);
    EXPECT_EQ(satz[548], 1);
    EXPECT_EQ(satz[554], 1);
    EXPECT_EQ(satz[555], 0);
}

TEST(UserRecord, ADamagedRecordIsWrittenBackValid) {
    Benutzerdaten d = users::decode(fixture("user_record_corrupt.dat"));
    users::bereinigen(d);
    Satz satz{};
    users::encode(d, satz);

    Benutzerdaten again = users::decode(satz);
    EXPECT_EQ(again, d);
    users::bereinigen(again);
    EXPECT_EQ(again, d) << "a value bereinigen produced is itself out of range";
    EXPECT_EQ(bytesAt(satz, 46, 1), std::vector<std::uint8_t>{16});
    EXPECT_EQ(bytesAt(satz, 548, 10), (std::vector<std::uint8_t>{1, 25, 50, 3, 1, 0, 1, 1, 7, 10}));
}

TEST(UserRecord, AValidRecordLoadsUnchanged) {
    for (const char* name : {"user_record_distinct.dat", "user_record_foreign.dat"}) {
        const Benutzerdaten d = users::decode(fixture(name));
        Benutzerdaten cleaned = d;
        users::bereinigen(cleaned);
        EXPECT_EQ(cleaned, d) << name;
    }
}

} // namespace
