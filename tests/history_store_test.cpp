#include "file_bytes.h"
#include "history/store.h"
#include "history_rows.h"
#include "temporary_directory.h"

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

TEST_F(HistoryStore, DeletingAUserTakesTheirRowsAndFaultsAndNoOneElses) {
    history::Store store(file());
    store.record(row("ANNA"), threeFaults());
    store.record(row("ANNABEL"), threeFaults());
    store.record(row("ANNA"), threeFaults());
    EXPECT_EQ(store.deleteUser("ANNA").outcome, Outcome::Written);
    history_rows::Reader reader(file());
    const auto rows = reader.rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].user, "ANNABEL");
    EXPECT_EQ(reader.faults().size(), 2u);
}

} // namespace
