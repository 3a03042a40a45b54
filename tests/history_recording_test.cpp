#include "driver/driver.h"
#include "file_bytes.h"
#include "history_rows.h"
#include "keyboard/zeichenfolge.h"
#include "program_fixture.h"
#include "users/benutzerdatei.h"
#include "users/benutzersatz.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

// Which exercises reach the progress history and with which figures,
// read back from the real SQLite file in the program directory.
namespace {

class HistoryRecording : public ProgramTest {
protected:
    std::filesystem::path file() const { return directory_ / "history.sqlite"; }
    std::vector<history_rows::Row> rows() { return history_rows::Reader(file()).rows(); }

    void wordExercise() {
        s().lektionsteil = 1;
        click(f().BitBtn2);
        key('x'); // the starting keystroke
    }
    std::uint8_t wordExpected() {
        return static_cast<std::uint8_t>(f().Edit2.text()[s().wortzeichenposition - 1]);
    }
    // Judged keys of the word exercise; every `faultEvery`-th one wrong.
    void typeWords(int count, int faultEvery = 0) {
        for (int i = 1; i <= count; ++i) {
            const auto want = wordExpected();
            key(faultEvery != 0 && i % faultEvery == 0 ? (want == 'y' ? 'z' : 'y') : want);
            if (i % 4 == 0) {
                tick();
            }
        }
    }
    // The count the exercise shows, as the learner reads it.
    std::int64_t shownKeystrokes() { return std::stoll(f().Label24.caption().substr(12)); }
    void leave() { click(f().SpeedButton2); }
};

TEST_F(HistoryRecording, ALeftWordExerciseIsOneRowWithTheCountsItShowed) {
    platform_.clock.advanceMs(2'000);
    wordExercise();
    char started[32];
    std::snprintf(started, sizeof started, "2026-01-05T%02d:%02d:%02d", s().startstunde,
                  s().startminute, s().startsekunde);
    typeWords(30, 6);
    platform_.clock.advanceMs(1'000);
    const auto shown = shownKeystrokes();
    const auto faults = s().fehlerText;
    ASSERT_EQ(faults, 5);
    leave();

    const auto r = rows();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].user, "TESTER");
    EXPECT_EQ(r[0].started, started);
    EXPECT_EQ(r[0].kind, "word");
    EXPECT_EQ(r[0].completed, 0);
    EXPECT_EQ(r[0].lesson, 1);
    EXPECT_EQ(r[0].keystrokes, shown);
    EXPECT_EQ(r[0].keystrokes, 25) << "forced correction: a wrong key is no keystroke";
    EXPECT_EQ(r[0].faults, faults);
    EXPECT_NEAR(r[0].faultRate, 100.0 * 5 / 25, 1e-9);
    EXPECT_GT(r[0].seconds, 0);
    EXPECT_NEAR(r[0].kpm, 25 * 60.0 / r[0].seconds, 1e-9);
    ASSERT_EQ(s().tastaturcode, keyboard::UK);
    EXPECT_EQ(r[0].layout, "United Kingdom");
    history_rows::Reader reader(file());
    EXPECT_EQ(reader.faultSum(r[0].id), faults);
    for (const auto& fault : reader.faults()) {
        EXPECT_TRUE(fault.typed == "y" || fault.typed == "z") << fault.typed;
        EXPECT_NE(fault.expected, fault.typed);
    }
}

TEST_F(HistoryRecording, NineteenKeystrokesLeaveNothingAndTwentyLeaveARow) {
    wordExercise();
    typeWords(19, 3);
    leave();
    EXPECT_TRUE(rows().empty());

    wordExercise();
    typeWords(20);
    leave();
    const auto r = rows();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].keystrokes, 20);
    EXPECT_EQ(r[0].faults, 0) << "the faults of the short exercise went with it";
    EXPECT_TRUE(history_rows::Reader(file()).faults().empty());
}

TEST_F(HistoryRecording, ACompletedLetterExerciseIsOneCompletedRowAndTheWordExerciseStartsFresh) {
    s().wunschanschlaege = 0;
    s().wunschfehlerquote = 100;
    startLetterExercise();
    typeRight(1);
    for (int i = 0; i < 3; ++i) {
        key(wrong());
        typeRight(3);
        tick(2);
    }
    s().lernfortschritt = 99.99;
    const auto shown = shownKeystrokes();
    key(expected());
    ASSERT_TRUE(s().wortuebungaktiv) << "the letter exercise was completed";
    EXPECT_TRUE(std::all_of(s().anschlagzahlen.begin(), s().anschlagzahlen.end(),
                            [](std::int32_t n) { return n == 0; }))
        << "no letter drawn after the end counts for the word exercise";

    auto r = rows();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].kind, "letter");
    EXPECT_EQ(r[0].completed, 1);
    EXPECT_EQ(r[0].keystrokes, shown);
    EXPECT_EQ(r[0].faults, 3);
    EXPECT_EQ(history_rows::Reader(file()).faultSum(r[0].id), 3);
    std::int64_t strokes = 0;
    for (const auto& [key, count] : history_rows::Reader(file()).strokes()) {
        strokes += count;
    }
    EXPECT_EQ(strokes, 10) << "one stroke per letter to type, the three missed ones included";

    // The word exercise that follows, left at once, adds nothing.
    key('x');
    typeWords(5);
    leave();
    EXPECT_EQ(rows().size(), 1u);
}

TEST_F(HistoryRecording, AnOwnTextTypedToItsEndIsACompletedRowWithEnterAmongItsFaults) {
    directory_.write("Texts/text.TXT", "abc\ndef\n");
    click(f().Button28);
    platform_.files.openAnswers.push_back(directory_ / "Texts" / "text.TXT");
    click(f().BitBtn4);
    key(13); // "Start"
    ASSERT_TRUE(s().eigenetexteaktiv);
    for (const char k : std::string("abxc") + "d" + "\r" + "def\r") {
        key(static_cast<std::uint8_t>(k)); // x for c, d for Enter
    }
    ASSERT_FALSE(s().eigenetexteaktiv) << "the text was typed to its end";
    const auto r = rows();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].kind, "owntext");
    EXPECT_EQ(r[0].completed, 1);
    EXPECT_EQ(r[0].faults, 2);
    EXPECT_EQ(r[0].keystrokes, 8) << "abc, Enter, def, Enter";
    const auto faults = history_rows::Reader(file()).faults();
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0].expected, "\n");
    EXPECT_EQ(faults[0].typed, "d");
    EXPECT_EQ(faults[1].expected, "c");
    EXPECT_EQ(faults[1].typed, "x");
    // Each expected character once per place in the text: the wrong key that
    // is corrected is the stroke, the correction is none.
    EXPECT_EQ(history_rows::Reader(file()).strokes(),
              (std::vector<std::pair<std::string, std::int64_t>>{
                  {"\n", 2}, {"a", 1}, {"b", 1}, {"c", 1}, {"d", 1}, {"e", 1}, {"f", 1}}));
}

TEST_F(HistoryRecording, AnExaminationThatEndsIsOneRowThoughItsWayBackRunsAgain) {
    click(f().BitBtn9);
    ASSERT_TRUE(s().zeittest);
    key('x');
    typeWords(24, 8);
    s().restminuten = 0;
    tick();
    closeResults();
    EXPECT_FALSE(s().wortuebungaktiv);
    const auto r = rows();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].kind, "examination");
    EXPECT_EQ(r[0].completed, 1);
    EXPECT_EQ(r[0].faults, 3);
}

// Through the driver, as an outside check meets it: the rows land in --dir,
// and a deleted user's rows go with them.
class HistoryDriver : public ::testing::Test {
protected:
    // A fresh program, as a learner starts it, signed in as name.
    void start(const std::string& name) {
        driver::Options options;
        options.directory = directory_.path();
        driver_ = std::make_unique<driver::Driver>(options);
        run("focus ComboBox1");
        run("type " + name);
        run("key #13");
    }
    std::string run(const std::string& command) { return driver_->execute(command); }
    void wordExercise(int judged) {
        auto& f = driver_->program().window();
        auto& s = driver_->program().state();
        s.lektionsteil = 1;
        run("click BitBtn2");
        run("key x");
        for (int i = 0; i < judged; ++i) {
            run(std::string("key ") + f.Edit2.text()[s.wortzeichenposition - 1]);
        }
        run("click SpeedButton2");
    }

    TemporaryDirectory directory_;
    std::unique_ptr<driver::Driver> driver_;
};

TEST_F(HistoryDriver, TheDriverRecordsInItsDirectoryAndTheUserListDeletesTheRows) {
    const auto& directory = directory_;
    start("ben");
    wordExercise(21);
    start("anna");
    wordExercise(22);
    wordExercise(23);
    auto& f = driver_->program().window();

    const auto rowsBefore = history_rows::Reader(directory / "history.sqlite").rows();
    ASSERT_EQ(rowsBefore.size(), 3u);
    EXPECT_EQ(rowsBefore[0].user, "BEN");
    EXPECT_EQ(rowsBefore[0].keystrokes, 21);
    EXPECT_EQ(rowsBefore[2].keystrokes, 23);

    run("click Button22");
    run("click Button11");
    int benRow = 0;
    for (std::size_t r = 1; r < f.StringGrid2.cells().size(); ++r) {
        if (f.StringGrid2.cells()[r][1] == " BEN") {
            benRow = static_cast<int>(r);
        }
    }
    ASSERT_GT(benRow, 0);
    run("mouseup StringGrid2 1 " + std::to_string(benRow));
    run("focus Edit3");
    run("type quopa");
    run("tick");
    run("click Button24");
    ASSERT_EQ(*users::listNames(users::benutzerdatei(directory.path())),
              std::vector<std::string>{"ANNA"});

    const auto rowsAfter = history_rows::Reader(directory / "history.sqlite").rows();
    ASSERT_EQ(rowsAfter.size(), 2u);
    EXPECT_EQ(rowsAfter[0].user, "ANNA");
    EXPECT_EQ(rowsAfter[1].user, "ANNA");
}

TEST_F(HistoryDriver, ADamagedHistoryIsSetAsideWithOneMessageAndCostsTheExerciseNothing) {
    const std::string damaged(3000, '\x17');
    directory_.write("history.sqlite", damaged);
    start("anna");
    auto& messages = driver_->fakes().messages;
    messages.take();
    wordExercise(25);

    EXPECT_TRUE(driver_->program().window().GroupBox3.visible()) << "back on the main screen";
    const auto shown = messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, platform::Icon::Warning);
    EXPECT_NE(shown[0].text.find("\"history.sqlite.damaged-1\""), std::string::npos)
        << shown[0].text;
    EXPECT_EQ(fileBytes(directory_ / "history.sqlite.damaged-1"),
              Bytes(damaged.begin(), damaged.end()));
    EXPECT_EQ(history_rows::Reader(directory_ / "history.sqlite").rows().size(), 1u)
        << "the fresh history holds the exercise";

    wordExercise(25);
    EXPECT_TRUE(messages.take().empty()) << "one message, not one per exercise";
    EXPECT_EQ(history_rows::Reader(directory_ / "history.sqlite").rows().size(), 2u);
}

TEST_F(HistoryDriver, AHistoryThatCannotBeOpenedStopsNeitherSignInNorExerciseNorUserFile) {
    std::filesystem::create_directory(directory_ / "history.sqlite");
    start("anna");
    EXPECT_TRUE(driver_->program().state().angemeldet);
    wordExercise(25);
    EXPECT_TRUE(driver_->program().window().GroupBox3.visible()) << "back on the main screen";
    EXPECT_TRUE(driver_->fakes().messages.take().empty()) << "a row lost, no box per exercise";
    start("ben");
    EXPECT_TRUE(driver_->program().state().angemeldet);
    EXPECT_EQ(std::filesystem::file_size(users::benutzerdatei(directory_.path())), 2 * 560u);
    EXPECT_TRUE(std::filesystem::is_directory(directory_ / "history.sqlite"));
}

} // namespace
