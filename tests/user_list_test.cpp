#include "driver/driver.h"
#include "temporary_directory.h"
#include "users/benutzerdatei.h"
#include "users/benutzersatz.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// "User data", the user list and the deletion, as a teacher meets them,
// replayed through the driver on a real user file.
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class UserList : public ::testing::Test {
protected:
    // A learner stored by an earlier run: last use Wednesday 11 January 2006.
    void store(const std::string& name, int lektion = 3, int teil = 0, int nutzungen = 4) {
        auto daten = users::neuerBenutzer(name, {2006, 1, 11, 4}, 1024);
        daten.lektion = static_cast<std::uint8_t>(lektion);
        daten.lektionsteil = static_cast<std::uint8_t>(teil);
        daten.nutzungen = static_cast<std::uint16_t>(nutzungen);
        daten.wunschanschlaege = 120;
        users::Satz satz{};
        users::encode(daten, satz);
        ASSERT_TRUE(users::ensureFile(file()).ok());
        ASSERT_TRUE(users::appendUser(file(), satz).ok());
    }
    // Starts the program on a wide screen at 09:05 on Monday 5 January 2026
    // and signs name in.
    void start(const std::string& name) {
        driver::Options options;
        options.directory = directory_.path();
        options.screenWidth = 1366;
        options.screenHeight = 768;
        options.time = {9, 5, 0, 0};
        driver_ = std::make_unique<driver::Driver>(options);
        run("focus ComboBox1");
        run("type " + name);
        run("key #13");
    }
    std::string run(const std::string& command) { return driver_->execute(command); }
    bool has(const std::string& command, const std::string& part) {
        const std::string answer = run(command);
        const bool found = answer.find(part) != std::string::npos;
        EXPECT_TRUE(found) << command << " answered " << answer << "\nnot " << part;
        return found;
    }
    form::Tform1& f() { return driver_->program().window(); }
    Sitzungszustand& s() { return driver_->program().state(); }
    fs::path file() const { return users::benutzerdatei(directory_.path()); }
    Names names() const { return *users::listNames(file()); }
    std::vector<std::string> row(int r) { return f().StringGrid2.cells().at(r); }
    void browse() {
        run("click Button22");
        run("click Button11");
    }
    void arm(int r) { run("mouseup StringGrid2 1 " + std::to_string(r)); }
    void typePassword(const std::string& word) {
        run("focus Edit3");
        run("type " + word);
    }

    TemporaryDirectory directory_;
    std::unique_ptr<driver::Driver> driver_;
};

TEST_F(UserList, UserDataShowsTheLearnerAndTheRealScreen) {
    store("DORA", 5, 1, 4);
    start("dora");
    driver_->fakes().disk.free = 5ULL * 1024 * 1024 * 1024;

    run("click Button10");
    EXPECT_TRUE(f().GroupBox7.showing());
    EXPECT_TRUE(f().Memo1.visible());
    has("get GroupBox8", R"j("caption":"User data")j");
    has("get Label6", R"j("caption":"User name/ identifications: DORA")j");
    has("get Label7", R"j("caption":"Lesson: 5 (word-exercise)")j");
    has("get Label9", R"j("caption":"Keystrokes per minute: 120")j");
    has("get Label10", R"j("caption":"Highest fault rate: 3.5 %")j");
    has("get Label14", R"j("caption":"Starting time: 09:05")j");
    has("get Label11", R"j("caption":"Last use of the programme: Wednesday, 01-11-2006")j");
    has("get Label23", R"j("caption":"You used this programme 5 times.")j");
    has("get Label62", R"j("caption":"Display dissolving:")j");
    // The whole screen, although the window keeps to its 4:3 part.
    has("get Label64", R"j("caption":"1366 x 768 dots")j");
    EXPECT_EQ(s().bildschirmbreite, 1024);
    has("get Label63", R"j("caption":"Firm disk space storage:")j");
    has("get Label65", R"j("caption":"5242880 KB free.")j");
}

TEST_F(UserList, ANewLearnerUsesTheProgrammeForTheFirstTimeFromEveryEntry) {
    start("  new one");
    for (const char* entry : {"MenueBenu", "Benutzerdaten9"}) {
        f().GroupBox7.hide();
        run(std::string("click ") + entry);
        EXPECT_TRUE(f().GroupBox7.visible()) << entry;
        has("get Label23", R"j("caption":"You use the programme for the first time.")j");
        has("get Label7", R"j("caption":"Lesson: 1 (letter-exercise)")j");
    }
}

TEST_F(UserList, TheListWritesTheLearnerFirstAndShowsARowPerRecord) {
    store("ANNA", 7, 1, 12);
    store("BEN", 2, 0, 4);
    store("CARL", 11, 0, 1);
    start("ben");
    browse();

    EXPECT_TRUE(f().GroupBox10.showing());
    EXPECT_FALSE(f().GroupBox16.visible());
    EXPECT_FALSE(f().Panel3.visible());
    EXPECT_EQ(row(0), (Names{" No.", " User name/ identification", " Lesson", " Last use",
                             " Used x times"}));
    EXPECT_EQ(row(1), (Names{"  1", " ANNA", "  7 W", " WEN, 11.01.2006", "  12"}));
    // The signed-in learner, written just before: today, and this session counted.
    EXPECT_EQ(row(2), (Names{"  2", " BEN", "  2 L", " MON, 05.01.2026", "   5"}));
    EXPECT_EQ(row(3), (Names{"  3", " CARL", " 11 L", " WEN, 11.01.2006", "   1"}));
    EXPECT_EQ(f().StringGrid2.cells().size(), 4u);
    // The count's header takes room from the name column; the row keeps its width.
    EXPECT_EQ(f().StringGrid2.colWidths(), (std::vector<int>{73, 460, 93, 204, 120}));
    has("get StringGrid2",
        R"j("hint":"Click on the user you want to delete from the user list.")j");
    const auto stored = users::decode((*users::findUser(file(), "BEN"))->satz);
    EXPECT_EQ(stored.nutzungen, 5);
    EXPECT_EQ(stored.jahr, 2026);
    EXPECT_EQ(stored.wochentag, 2);
    // The buffer still holds the signed-in learner for the user data.
    EXPECT_EQ(users::decode(s().benutzersatz).name, "BEN");
    // Seven or fewer leave room for the welcome text below the list.
    EXPECT_TRUE(f().Memo1.visible());
    EXPECT_EQ(f().Memo1.geometry().top, 498);
    EXPECT_EQ(f().GroupBox10.geometry().height, 332);
}

TEST_F(UserList, EightUsersHideTheWelcomeText) {
    for (const char* name : {"A1", "A2", "A3", "A4", "A5", "A6", "A7"}) {
        store(name);
    }
    start("a8");
    browse();
    EXPECT_EQ(f().StringGrid2.cells().size(), 9u);
    EXPECT_FALSE(f().Memo1.visible());
}

TEST_F(UserList, ThePasswordInAnyCaseEnablesDeleteAndTheLastUserFillsTheGap) {
    store("ANNA");
    store("BEN");
    store("CARL");
    start("anna");
    browse();

    arm(2);
    EXPECT_TRUE(f().Panel3.showing());
    EXPECT_TRUE(s().loeschfreigabe);
    EXPECT_EQ(s().loeschzeile, 2);
    EXPECT_EQ(f().Label68.caption(),
              "Do you want to delete user no.2\r\" BEN\"\r irrevocably from the user list?");
    EXPECT_EQ(f().Label68.fontColor(), 0x0000FFu);
    has("get Label66", R"j("caption":"To be able to delete a user from the user list,")j");
    has("get Label67", R"j("caption":"you have to know the password:")j");
    has("get Edit3", R"j("passwordChar":"*")j");
    EXPECT_EQ(f().focused(), &f().Edit3);

    typePassword("QUOP");
    run("tick");
    EXPECT_FALSE(f().Button24.enabled()) << "quop is not the password";
    typePassword("A");
    EXPECT_EQ(f().Edit3.text(), "quopa");
    EXPECT_FALSE(f().Button24.enabled()) << "the clock checks the password";
    run("tick");
    EXPECT_TRUE(f().Button24.enabled());
    EXPECT_EQ(run("click Button24"), "");

    EXPECT_FALSE(f().Panel3.visible());
    EXPECT_EQ(names(), (Names{"ANNA", "CARL"}));
    EXPECT_EQ(fs::file_size(file()), 2 * 560u);
    EXPECT_EQ(f().StringGrid2.cells().size(), 3u);
    EXPECT_EQ(row(2)[1], " CARL");
    EXPECT_EQ(f().ComboBox1.items(), (Names{"ANNA", "CARL"}));
    EXPECT_EQ(s().satzanzahl, 2);
    EXPECT_EQ(users::decode(s().benutzersatz).name, "ANNA");

    // A new click asks again: the button waits for the clock once more.
    arm(2);
    EXPECT_FALSE(f().Button24.enabled());
    EXPECT_EQ(f().Edit3.text(), "quopa") << "the password typed earlier stands";
}

TEST_F(UserList, TheSignedInUserIsNeverDeleted) {
    store("ANNA");
    store("BEN");
    start("ben");
    browse();
    const auto before = users::readAll(file());
    run("messages");

    arm(2);
    typePassword("quopa");
    run("tick");
    run("click Button24");
    has("messages",
        R"j("text":"Permission denied!\r\rActive users cannot be deleted!","icon":"error","buttons":"okcancel")j");
    EXPECT_FALSE(f().Panel3.visible());
    EXPECT_EQ(users::readAll(file())->size(), 2u);
    EXPECT_EQ(*users::readAll(file()), *before);
}

TEST_F(UserList, CancelAndClicksBesideTheRowsDeleteNothing) {
    store("ANNA");
    store("BEN");
    start("ben");
    browse();
    const auto before = *users::readAll(file());

    arm(1);
    run("click Button23");
    EXPECT_FALSE(f().Panel3.visible());
    arm(1);
    browse();
    EXPECT_FALSE(f().Panel3.visible()) << "a fresh list asks nothing yet";
    for (int outside : {0, 3, -1}) {
        arm(outside);
        EXPECT_FALSE(s().loeschfreigabe) << outside;
        EXPECT_FALSE(f().Panel3.visible()) << outside;
    }
    EXPECT_EQ(*users::readAll(file()), before);
}

TEST_F(UserList, AFailedWriteEndsTheListAndTheRepetitionBeforeTheyStart) {
    store("ANNA", 9);
    start("anna");
    run("messages");
    fs::remove(file());

    browse();
    has("messages", "No such file or directory");
    EXPECT_FALSE(f().GroupBox10.visible());

    run("click Button22");
    run("click BitBtn1");
    has("messages", "No such file or directory");
    EXPECT_FALSE(s().wiederholungaktiv);
    EXPECT_EQ(s().lektion, 9);
    EXPECT_TRUE(f().GroupBox16.visible()) << "still on the Extras screen";
    EXPECT_FALSE(fs::exists(file()));
}

TEST_F(UserList, TheNameBoxListsNamesAsAPersonReadsThem) {
    for (const char* name : {"USER10", "zoe", "\xC9MILE", "Anna", "USER2", "bob", "ERIC"}) {
        store(name);
    }
    start("");
    EXPECT_EQ(f().ComboBox1.items(),
              (Names{"Anna", "bob", "\xC9MILE", "ERIC", "USER2", "USER10", "zoe"}));
}

} // namespace

namespace {

TEST_F(UserList, AUserGoneOrAFileGoneSinceTheListWasReadIsToldAndNothingElseChanges) {
    store("ANNA");
    store("BEN");
    store("CARL");
    start("anna");
    browse();
    run("messages");

    // Another program deleted BEN after this list was read.
    ASSERT_TRUE(users::deleteUser(file(), 1, "BEN"));
    arm(2);
    typePassword("quopa");
    run("tick");
    run("click Button24");
    has("messages", R"j("text":"The user \"BEN\" is no longer in the user file.)j");
    EXPECT_EQ(names(), (Names{"ANNA", "CARL"}));
    EXPECT_EQ(row(2)[1], " CARL") << "the list shows the file as it is now";

    const auto before = *users::readAll(file());
    arm(2);
    fs::rename(file(), directory_ / "elsewhere.dat");
    run("tick");
    run("click Button24");
    has("messages", "No such file or directory");
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_EQ(*users::readAll(directory_ / "elsewhere.dat"), before);
}

} // namespace
