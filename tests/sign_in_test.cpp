#include "app/program.h"
#include "platform/fakes/fakes.h"
#include "temporary_directory.h"
#include "users/benutzerdatei.h"
#include "users/benutzersatz.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A program started in its own directory, not yet signed in.
class SignIn : public ::testing::Test {
public:
    Program& start() {
        program_ = std::make_unique<Program>(platform_.services, directory_.path());
        program_->init();
        return *program_;
    }
    void type(const std::string& name) {
        auto& f = program_->window();
        f.setFocused(&f.ComboBox1);
        f.ComboBox1.setText(name);
        f.dispatchKey(13);
    }
    std::filesystem::path file() const { return directory_ / "user30.dat"; }
    std::uintmax_t fileSize() const { return std::filesystem::file_size(file()); }
    // A stored learner, as another run of the program would have left it.
    void store(const std::string& name, int lektion, int tastaturcode, int nutzungen,
               int letterSize = 100) {
        auto daten = users::neuerBenutzer(name, {2026, 3, 4, 4}, 1024);
        daten.lektion = static_cast<std::uint8_t>(lektion);
        daten.tastaturcode = static_cast<std::uint8_t>(tastaturcode);
        daten.nutzungen = static_cast<std::uint16_t>(nutzungen);
        daten.schriftgroesseBuchstabe = static_cast<std::uint8_t>(letterSize);
        daten.wunschanschlaege = 120;
        users::Satz satz{};
        users::encode(daten, satz);
        ASSERT_TRUE(users::ensureFile(file()).ok());
        ASSERT_TRUE(users::appendUser(file(), satz).ok());
    }

    platform::fakes::FakePlatform platform_;
    TemporaryDirectory directory_;
    std::unique_ptr<Program> program_;
};

} // namespace

TEST_F(SignIn, ANewNameGetsANewRecordWithTheDefaults) {
    auto& p = start();
    type("  anna lee ");
    const auto& s = p.state();
    EXPECT_TRUE(s.angemeldet);
    EXPECT_EQ(s.benutzername, "ANNA LEE");
    EXPECT_EQ(p.window().ComboBox1.text(), "  ANNA LEE ");
    EXPECT_EQ(fileSize(), 560U);
    EXPECT_EQ(s.lektion, 1);
    EXPECT_EQ(s.lektionsteil, 0);
    EXPECT_EQ(s.wunschanschlaege, 40);
    EXPECT_FLOAT_EQ(s.wunschfehlerquote, 3.5F);
    EXPECT_TRUE(s.korrekturerzwingen);
    EXPECT_EQ(s.tastaturcode, 3);
    EXPECT_EQ(s.skalierung, 25);
    EXPECT_EQ(s.nutzungen, 1);
    EXPECT_EQ(s.farbeKleinfinger, 0xE15300U);
    EXPECT_TRUE(p.window().BitBtn2.enabled());
    EXPECT_TRUE(p.window().Start1.enabled());
    EXPECT_FALSE(p.window().ComboBox1.visible());
    EXPECT_EQ(p.window().Edit6.text(), "10 min");
    EXPECT_EQ(p.window().Label1.caption(), "Keystrokes per minute: 40");
}

TEST_F(SignIn, AReturningLearnerContinuesWithTheStoredValues) {
    store("ANNA", 5, 0, 7, 200);
    store("BERT", 2, 3, 1);
    auto& p = start();
    EXPECT_EQ(p.window().ComboBox1.items(), (std::vector<std::string>{"ANNA", "BERT"}));
    EXPECT_EQ(p.state().satzanzahl, 2);
    type("anna");
    const auto& s = p.state();
    EXPECT_EQ(s.lektion, 5);
    EXPECT_EQ(s.nutzungen, 8);
    EXPECT_EQ(s.tastaturcode, 0);
    EXPECT_EQ(s.zeichenfolge[7], 0xF6) << "the German layout is applied";
    EXPECT_EQ(s.wunschanschlaege, 120);
    EXPECT_EQ(p.window().TrackBar1.position(), 120);
    EXPECT_EQ(s.schriftgroesseBuchstabe, 165) << "1024 / 6.2, the largest letter that fits";
    EXPECT_EQ(fileSize(), 1120U) << "no new record";
    EXPECT_EQ(p.window().Label21.caption(), "a s d f  j k l \xF6 + Space");
}

TEST_F(SignIn, EnterAgainOrWithAnEmptyBoxDoesNothing) {
    auto& p = start();
    type("");
    EXPECT_FALSE(p.state().angemeldet);
    type("anna");
    type("bert");
    EXPECT_EQ(p.state().benutzername, "ANNA");
    EXPECT_EQ(fileSize(), 560U);
}

TEST_F(SignIn, ClosingWritesTheRecordFromEveryScreen) {
    store("ANNA", 3, 3, 7);
    auto& p = start();
    type("anna");
    p.window().BitBtn2.onClick();
    p.window().BitBtn3.onClick();
    p.state().lektion = 6;
    platform_.messages.queue(platform::Answer::No);
    EXPECT_FALSE(p.window().onCloseQuery());
    auto stored = users::findUser(file(), "ANNA");
    ASSERT_TRUE(stored.ok() && stored->has_value());
    const auto daten = users::decode((*stored)->satz);
    EXPECT_EQ(daten.lektion, 6);
    EXPECT_EQ(daten.nutzungen, 8);
    EXPECT_EQ(daten.jahr, 2026);
}

TEST_F(SignIn, ARepetitionStoresTheLessonReachedNotTheRepeatedOne) {
    store("ANNA", 9, 3, 1);
    auto& p = start();
    type("anna");
    p.state().wiederholungslektion = 3;
    p.window().BitBtn1.onClick();
    EXPECT_EQ(p.state().lektion, 3);
    p.window().onCloseQuery();
    EXPECT_EQ(p.state().lektion, 9) << "a write during a repetition gives the lesson back";
    auto stored = users::findUser(file(), "ANNA");
    ASSERT_TRUE(stored.ok() && stored->has_value());
    EXPECT_EQ(users::decode((*stored)->satz).lektion, 9);
}

TEST_F(SignIn, AnUnreadableUserFileIsReportedAndTheProgramStaysUsable) {
    std::filesystem::create_directories(file()); // a directory where the file belongs
    auto& p = start();
    auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].icon, platform::Icon::Error);
    type("anna");
    boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(p.state().angemeldet);
    EXPECT_TRUE(p.window().BitBtn2.enabled());
    EXPECT_TRUE(std::filesystem::is_directory(file())) << "nothing replaced";
}

TEST_F(SignIn, ADamagedFileIsCopiedOnceAndKeepsItsWholeRecords) {
    store("ANNA", 4, 3, 1);
    {
        std::ofstream tail(file(), std::ios::binary | std::ios::app);
        tail << "half a record";
    }
    auto& p = start();
    EXPECT_EQ(p.window().ComboBox1.items().size(), 1U);
    type("bert");
    EXPECT_TRUE(std::filesystem::exists(directory_ / "user30.dat.bak"));
    EXPECT_EQ(fileSize(), 1120U);
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].icon, platform::Icon::Warning);
}
