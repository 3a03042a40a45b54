#include "app/program.h"
#include "form/contrast.h"
#include "platform/fakes/fakes.h"
#include "temporary_directory.h"
#include "users/benutzerdatei.h"
#include "users/benutzersatz.h"
#include "users/bereinigen.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using form::rgb;

users::Ladeumgebung at1024(platform::fakes::FakeFontDialog& fonts) {
    return {1024, [&fonts](const std::string& name) { return fonts.familyUsedFor(name); }};
}

TEST(StoredLooks, DamagedColoursSizesAndFontsAreRepairedAtLoading) {
    platform::fakes::FakeFontDialog fonts;
    auto d = users::neuerBenutzer("ANNA", {2026, 3, 4, 4}, 1024);
    d.farbeRingfinger = 0xFF00FF00;
    d.farbeDaumen = 0x01000000;
    d.buchstabenfeldfarbe = 0x80000000;
    d.farbschema = 9;
    d.schriftgroesseBuchstabe = 255;
    d.schriftgroesseWort = 0;
    d.schriftgroesseText = 255;
    d.schriftWort = "Gone Font";
    d.schriftText = "";
    users::bereinigen(d, at1024(fonts));
    EXPECT_EQ(d.farbeRingfinger, rgb(0, 180, 225));
    EXPECT_EQ(d.farbeDaumen, rgb(82, 255, 246));
    EXPECT_EQ(d.farbeKleinfinger, rgb(0, 83, 225)) << "a sound colour stays";
    EXPECT_EQ(d.buchstabenfeldfarbe, 0xC0C0C0U);
    EXPECT_EQ(d.farbschema, 7);
    EXPECT_EQ(d.schriftgroesseBuchstabe, 167); // the largest offered, trunc(1024 / 6.1)
    EXPECT_EQ(d.schriftgroesseWort, 23);       // 0: a new learner's, trunc(1024 / 44)
    EXPECT_EQ(d.schriftgroesseText, 24);       // the largest offered, trunc(1024 / 42)
    EXPECT_EQ(d.schriftBuchstabe, "Times New Roman");
    EXPECT_EQ(d.schriftWort, "DejaVu Sans") << "the font drawn in its place";
    EXPECT_EQ(d.schriftText, "Times New Roman") << "an empty name is no font";
}

TEST(StoredLooks, SizesValidOnTheScreenStay) {
    auto d = users::neuerBenutzer("ANNA", {2026, 3, 4, 4}, 1920);
    d.schriftgroesseWort = 30; // 1920 / 72 = 26 .. 1920 / 44 = 43
    users::bereinigen(d, {1920, {}});
    EXPECT_EQ(d.schriftgroesseBuchstabe, 255) << "the largest a byte holds";
    EXPECT_EQ(d.schriftgroesseWort, 30);
    users::bereinigen(d, {800, {}});
    EXPECT_EQ(d.schriftgroesseWort, 18) << "too large for 800 pixels: trunc(800 / 44)";
    d.schriftgroesseText = 0;
    users::bereinigen(d, {800, {}});
    EXPECT_EQ(d.schriftgroesseText, 14) << "trunc(800 / 57)";
}

// A learner stored by an earlier run signs in again.
class SigningInAgain : public ::testing::Test {
public:
    void store(const users::Benutzerdaten& d) {
        users::Satz satz{};
        users::encode(d, satz);
        ASSERT_TRUE(users::ensureFile(file()).ok());
        ASSERT_TRUE(users::appendUser(file(), satz).ok());
    }
    Program& signIn(const std::string& name) {
        program_ = std::make_unique<Program>(platform_.services, directory_.path());
        program_->init();
        auto& f = program_->window();
        f.setFocused(&f.ComboBox1);
        f.ComboBox1.setText(name);
        f.dispatchKey(13);
        return *program_;
    }
    users::Benutzerdaten stored() {
        auto found = users::findUser(file(), "ANNA");
        return users::decode((*found)->satz);
    }
    std::filesystem::path file() const { return directory_ / "user30.dat"; }

    platform::fakes::FakePlatform platform_;
    TemporaryDirectory directory_;
    std::unique_ptr<Program> program_;
};

TEST_F(SigningInAgain, TheStoredLooksAreShownAndTheLegendKeepsItsColours) {
    auto d = users::neuerBenutzer("ANNA", {2026, 3, 4, 4}, 1024);
    d.farbeKleinfinger = rgb(255, 0, 0);
    d.farbschema = 3; // shown, not applied: the colours are the stored ones
    d.tastaturschriftweiss = true;
    d.buchstabenfeldfarbe = rgb(255, 0, 0);
    d.schriftWort = "Liberation Mono";
    store(d);
    auto& p = signIn("anna");
    auto& f = p.window();
    EXPECT_EQ(f.ComboBox2.itemIndex(), 3);
    EXPECT_EQ(f.ComboBox2.text(), "Mint");
    EXPECT_EQ(p.state().farbeKleinfinger, rgb(255, 0, 0));
    EXPECT_EQ(f.Shape28.shape().pen, rgb(255, 0, 0));
    EXPECT_EQ(f.Label29.fontColor(), form::readableOn(rgb(255, 0, 0), form::backgroundOf(f.Label29),
                                                      f.Label29.font().size));
    EXPECT_NE(f.Label29.fontColor(), form::colours::black);
    EXPECT_FALSE(f.rot2.enabled());
    EXPECT_TRUE(f.tastaturfarbeweiss.checked());
    EXPECT_EQ(f.Label19.caption(), "Times New Roman");
    EXPECT_EQ(f.Label20.caption(), "Liberation Mono");
    EXPECT_EQ(f.Label20.font().name, "Liberation Mono");
}

TEST_F(SigningInAgain, RepairedValuesAreWrittenBackWithTheNextSave) {
    auto d = users::neuerBenutzer("ANNA", {2026, 3, 4, 4}, 1024);
    d.farbschema = 200;
    d.farbeMittelfinger = 0xFFFFFFFF;
    d.schriftText = "Gone Font";
    d.schriftgroesseText = 0;
    store(d);
    auto& p = signIn("anna");
    EXPECT_EQ(p.window().ComboBox2.text(), "Water");
    EXPECT_EQ(p.window().Label3.caption(), "DejaVu Sans");
    p.window().onCloseQuery();
    const auto again = stored();
    EXPECT_EQ(again.farbschema, 7);
    EXPECT_EQ(again.farbeMittelfinger, rgb(112, 208, 255));
    EXPECT_EQ(again.schriftText, "DejaVu Sans");
    EXPECT_EQ(again.schriftgroesseText, 17);
}

} // namespace
