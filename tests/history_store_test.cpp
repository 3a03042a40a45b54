#include "file_bytes.h"
#include "history/store.h"
#include "history_rows.h"
#include "temporary_directory.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// The history store against the real SQLite file: what it writes, and what
// a damaged, locked, missing or shared file does to it.
namespace {

using history::Outcome;

history::ExerciseRow row(const std::string& user, std::int64_t faults = 3) {
    return {user,    "2026-01-05T09:00:00",
            4,       "word",
            true,    200,
            faults,  60.0,
            200.0,   100.0 * static_cast<double>(faults) / 200,
            "German"};
}

// Two pairs whose counts add up to the row's three faults.
std::vector<history::KeyFault> threeFaults() {
    return {{"a", "s", 2}, {"\xC3\xA4", "#", 1}};
}

class HistoryStore : public ::testing::Test {
protected:
    std::filesystem::path file() const { return directory_ / "history.sqlite"; }
    TemporaryDirectory directory_;
};

TEST_F(HistoryStore, ARowAndItsFaultsReadBackByColumnName) {
    history::Store store(file());
    EXPECT_FALSE(std::filesystem::exists(file())) << "nothing is opened before the first write";
    ASSERT_EQ(store.record(row("ANNA"), threeFaults()).outcome, Outcome::Written);
    ASSERT_EQ(store.record(row("BEN", 0), {}).outcome, Outcome::Written);

    history_rows::Reader reader(file());
    const auto rows = reader.rows();
    ASSERT_TRUE(reader.ok());
    ASSERT_EQ(rows.size(), 2u);
    const auto& r = rows[0];
    EXPECT_EQ(r.user, "ANNA");
    EXPECT_EQ(r.started, "2026-01-05T09:00:00");
    EXPECT_EQ(r.lesson, 4);
    EXPECT_EQ(r.kind, "word");
    EXPECT_EQ(r.completed, 1);
    EXPECT_EQ(r.keystrokes, 200);
    EXPECT_EQ(r.faults, 3);
    EXPECT_DOUBLE_EQ(r.seconds, 60.0);
    EXPECT_DOUBLE_EQ(r.kpm, 200.0);
    EXPECT_DOUBLE_EQ(r.faultRate, 1.5);
    EXPECT_EQ(r.layout, "German");
    EXPECT_EQ(reader.faultSum(r.id), 3);
    EXPECT_EQ(reader.faultSum(rows[1].id), 0);
    const auto faults = reader.faults();
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0].expected, "a");
    EXPECT_EQ(faults[0].typed, "s");
    EXPECT_EQ(faults[1].expected, "\xC3\xA4") << "UTF-8, as other tools read text";
}

TEST_F(HistoryStore, ADamagedFileIsKeptAsideByteForByteAndAFreshOneTakesTheRow) {
    // Not a database at all, and a database cut short in the middle.
    const std::string garbage = std::string(4096, 'x') + "not a database";
    {
        history::Store store(directory_ / "good.sqlite");
        for (int i = 0; i < 200; ++i) {
            ASSERT_EQ(store.record(row("ANNA"), threeFaults()).outcome, Outcome::Written);
        }
    }
    auto cut = fileBytes(directory_ / "good.sqlite");
    ASSERT_GT(cut.size(), 8192u);
    cut.resize(cut.size() / 2);
    std::fill(cut.begin() + 4096, cut.end(), std::uint8_t{0xEE});

    for (const Bytes& damaged : {Bytes(garbage.begin(), garbage.end()), cut}) {
        TemporaryDirectory folder;
        const auto path = folder / "history.sqlite";
        writeBytes(path, damaged);
        history::Store store(path);
        const auto result = store.record(row("ANNA"), threeFaults());
        ASSERT_EQ(result.outcome, Outcome::DamagedSetAside);
        EXPECT_EQ(result.setAside, folder / "history.sqlite.damaged-1");
        EXPECT_EQ(fileBytes(result.setAside), damaged) << "the damaged file is kept as it was";
        history_rows::Reader reader(path);
        EXPECT_EQ(reader.rows().size(), 1u) << "the fresh history holds the row";
        EXPECT_EQ(store.record(row("ANNA"), {}).outcome, Outcome::Written);

        // A second damage later finds the first one's name taken.
        writeBytes(folder / "history.sqlite.damaged-1", damaged);
        history::Store again(folder / "other.sqlite");
        writeBytes(folder / "other.sqlite", damaged);
        writeBytes(folder / "other.sqlite.damaged-1", damaged);
        EXPECT_EQ(again.record(row("BEN"), {}).setAside, folder / "other.sqlite.damaged-2");
    }
}

TEST_F(HistoryStore, AMissingFolderOrAFolderInThePlaceOfTheFileIsUnavailableAndKeptWaiting) {
    history::Store nowhere(directory_ / "gone" / "history.sqlite");
    EXPECT_EQ(nowhere.record(row("ANNA"), {}).outcome, Outcome::Unavailable);
    EXPECT_EQ(nowhere.pending(), 1u);
    std::filesystem::create_directory(directory_ / "gone");
    EXPECT_EQ(nowhere.record(row("ANNA"), {}).outcome, Outcome::Written);
    EXPECT_EQ(nowhere.pending(), 0u);
    EXPECT_EQ(history_rows::Reader(directory_ / "gone" / "history.sqlite").rows().size(), 2u)
        << "the row that waited is written with the next";

    std::filesystem::create_directory(file());
    history::Store folder(file());
    EXPECT_EQ(folder.record(row("ANNA"), {}).outcome, Outcome::Unavailable);
    EXPECT_TRUE(std::filesystem::is_directory(file())) << "a folder is no damaged file";
    EXPECT_FALSE(std::filesystem::exists(directory_ / "history.sqlite.damaged-1"));
}

TEST_F(HistoryStore, AFileLockedByAnotherProgramCostsOneTimeoutAndTheRowWaits) {
    history::Store store(file(), 50);
    ASSERT_EQ(store.record(row("ANNA"), {}).outcome, Outcome::Written);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(store.record(row("BEN"), threeFaults()).outcome, Outcome::Unavailable);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
    EXPECT_EQ(store.pending(), 1u);

    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(store.record(row("CARL"), {}).outcome, Outcome::Written);
    history_rows::Reader reader(file());
    const auto rows = reader.rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].user, "BEN") << "in the order they were asked";
    EXPECT_EQ(reader.faultSum(rows[1].id), 3);
}

TEST_F(HistoryStore, TwoProgramsOnOneFolderBothRecordEveryRow) {
    constexpr int kEach = 60;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        history::Store store(file());
        int written = 0;
        for (int i = 0; i < kEach; ++i) {
            written += store.record(row("CHILD"), threeFaults()).outcome == Outcome::Written;
        }
        _exit(written == kEach && store.pending() == 0 ? 0 : 1);
    }
    history::Store store(file());
    history::Store secondWindow(file());
    for (int i = 0; i < kEach; ++i) {
        history::Store& s = i % 2 == 0 ? store : secondWindow;
        EXPECT_EQ(s.record(row("PARENT"), threeFaults()).outcome, Outcome::Written);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    history_rows::Reader reader(file());
    const auto rows = reader.rows();
    EXPECT_EQ(rows.size(), 2u * kEach);
    std::int64_t faults = 0;
    for (const auto& f : reader.faults()) {
        faults += f.count;
    }
    EXPECT_EQ(faults, 3 * 2 * kEach);
}

TEST_F(HistoryStore, AKillDuringWritesLosesAtMostTheRowBeingWritten) {
    for (int round = 0; round < 3; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            history::Store store(file());
            for (;;) {
                store.record(row("ANNA"), threeFaults());
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(150 + 40 * round));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    history_rows::Reader reader(file());
    EXPECT_EQ(reader.integrity(), "ok");
    const auto rows = reader.rows();
    ASSERT_FALSE(rows.empty());
    std::map<std::int64_t, std::int64_t> sums;
    for (const auto& f : reader.faults()) {
        sums[f.exerciseId] += f.count;
    }
    EXPECT_EQ(sums.size(), rows.size()) << "no faults without their row";
    for (const auto& r : rows) {
        ASSERT_EQ(sums[r.id], r.faults) << "row " << r.id << " is whole";
    }
    history::Store after(file());
    EXPECT_EQ(after.record(row("BEN"), {}).outcome, Outcome::Written);
}

TEST_F(HistoryStore, DeletingAUserTakesTheirRowsFaultsAndStrokesAndNoOneElses) {
    history::Store store(file());
    store.record(row("ANNA"), threeFaults(), {{"a", 50}});
    store.record(row("ANNABEL"), threeFaults(), {{"b", 7}});
    store.record(row("ANNA"), threeFaults(), {{"a", 50}});
    EXPECT_EQ(store.deleteUser("ANNA").outcome, Outcome::Written);
    history_rows::Reader reader(file());
    const auto rows = reader.rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].user, "ANNABEL");
    EXPECT_EQ(reader.faults().size(), 2u);
    EXPECT_EQ(reader.strokes(), (std::vector<std::pair<std::string, std::int64_t>>{{"b", 7}}));
}

// Exercise `n` of a learner: its own kpm, one fault "typed t instead of
// e", and the strokes of e.
void recordExercise(history::Store& store, const std::string& user, int n, const std::string& e,
                    const std::string& t, std::int64_t strokes) {
    auto r = row(user, 1);
    r.kpm = n;
    ASSERT_EQ(store.record(r, {{e, t, 1}}, {{e, strokes}}).outcome, Outcome::Written);
}

TEST_F(HistoryStore, AReadGivesOneLearnersExercisesTheirRecentKeysAndTheirTopPairs) {
    history::Store store(file());
    // Two old exercises on q, then 20 on a mix; another learner between them.
    recordExercise(store, "ANNA", 0, "q", "w", 10);
    recordExercise(store, "ANNA", 1, "q", "w", 10);
    recordExercise(store, "ANNABEL", 99, "z", "u", 5);
    for (int n = 2; n < 22; ++n) {
        const std::string expected(1, static_cast<char>('a' + n % 12));
        recordExercise(store, "ANNA", n, expected, "x", 4);
    }
    history::Progress p;
    ASSERT_EQ(store.read("ANNA", p).outcome, Outcome::Written);

    ASSERT_EQ(p.exercises.size(), 22u);
    for (std::size_t i = 0; i < p.exercises.size(); ++i) {
        EXPECT_EQ(p.exercises[i].kpm, static_cast<double>(i)) << "oldest first";
        EXPECT_EQ(p.exercises[i].user, "ANNA");
    }
    EXPECT_LT(p.exercises[0].id, p.exercises[1].id);
    EXPECT_TRUE(std::none_of(p.keys.begin(), p.keys.end(), [](const auto& k) {
        return k.key == "q";
    })) << "q was typed before the last 20 exercises";
    const auto c =
        std::find_if(p.keys.begin(), p.keys.end(), [](const auto& k) { return k.key == "c"; });
    ASSERT_NE(c, p.keys.end());
    EXPECT_EQ(c->strokes, 8) << "c in exercises 2 and 14";
    EXPECT_EQ(c->faults, 2);

    ASSERT_EQ(p.pairs.size(), history::kTopPairs);
    EXPECT_EQ(p.pairs[0].expected, "c") << "the pairs of two faults first, in key order";
    EXPECT_EQ(p.pairs[0].count, 2);
    EXPECT_EQ(p.pairs[7].expected, "j");
    EXPECT_EQ(p.pairs[8].expected, "q") << "all the learner's exercises count for the pairs";
    EXPECT_EQ(p.pairs[9].count, 1);
    EXPECT_TRUE(std::none_of(p.pairs.begin(), p.pairs.end(),
                             [](const auto& f) { return f.expected == "z"; }));
}

TEST_F(HistoryStore, AReadOfAMissingDamagedOlderOrLockedFileLosesNothingAndWaitsForNoOne) {
    history::Progress p;
    {
        history::Store store(file());
        EXPECT_EQ(store.read("ANNA", p).outcome, Outcome::Written);
        EXPECT_TRUE(p.exercises.empty());
    }
    std::filesystem::remove(file());
    directory_.write("history.sqlite", std::string(4096, 'x'));
    {
        history::Store store(file());
        const auto r = store.read("ANNA", p);
        EXPECT_EQ(r.outcome, Outcome::DamagedSetAside);
        EXPECT_TRUE(std::filesystem::exists(r.setAside));
        EXPECT_TRUE(p.exercises.empty());
        EXPECT_EQ(store.record(row("ANNA"), {}).outcome, Outcome::Written) << "a fresh history";
    }
    {
        // A history from before strokes were kept: faults only.
        sqlite3* old = nullptr;
        ASSERT_EQ(sqlite3_open((directory_ / "old.sqlite").c_str(), &old), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(old,
                               "CREATE TABLE exercises(id INTEGER PRIMARY KEY, user TEXT, started "
                               "TEXT, lesson INTEGER, kind TEXT, completed INTEGER, keystrokes "
                               "INTEGER, faults INTEGER, seconds REAL, kpm REAL, fault_rate REAL, "
                               "layout TEXT);"
                               "CREATE TABLE key_faults(exercise_id INTEGER, expected TEXT, typed "
                               "TEXT, count INTEGER);"
                               "INSERT INTO exercises(id, user, kind) VALUES(1, 'ANNA', 'word');"
                               "INSERT INTO key_faults VALUES(1, 'e', 'r', 3);",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(old);
        history::Store store(directory_ / "old.sqlite");
        ASSERT_EQ(store.read("ANNA", p).outcome, Outcome::Written);
        ASSERT_EQ(p.keys.size(), 1u);
        EXPECT_EQ(p.keys[0].strokes, 3) << "an old exercise's faults count as its strokes";
        EXPECT_EQ(store.record(row("ANNA"), {{"e", "w", 1}}, {{"e", 9}}).outcome, Outcome::Written)
            << "the older file gained the strokes";
        ASSERT_EQ(store.read("ANNA", p).outcome, Outcome::Written);
        ASSERT_EQ(p.keys.size(), 1u);
        EXPECT_EQ(p.keys[0].strokes, 12) << "the old exercise's 3 and the new one's 9";
        EXPECT_EQ(p.keys[0].faults, 4);
    }
    {
        history::Store store(file(), 50);
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(file().c_str(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_EQ(store.record(row("ANNA"), threeFaults()).outcome, Outcome::Unavailable);
        const auto before = std::chrono::steady_clock::now();
        EXPECT_EQ(store.read("ANNA", p).outcome, Outcome::Unavailable);
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
        EXPECT_TRUE(p.exercises.empty());
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        ASSERT_EQ(store.read("ANNA", p).outcome, Outcome::Written);
        EXPECT_EQ(p.exercises.size(), 2u) << "the waiting row was written before the read";
    }
}

} // namespace
