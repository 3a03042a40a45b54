#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

// The progress history: one row per exercise and the faults it held, in an
// SQLite file other tools can read. Nothing here may stop an exercise or the
// user file: every call says how it went and never throws.
namespace history {

// Texts are UTF-8, as SQLite stores them.
struct ExerciseRow {
    std::string user;
    std::string started; // YYYY-MM-DDTHH:MM:SS, local time
    int lesson = 0;
    std::string kind; // letter, word, owntext, examination
    bool completed = false;
    std::int64_t keystrokes = 0;
    std::int64_t faults = 0;
    double seconds = 0;
    double kpm = 0;
    double faultRate = 0; // percent
    std::string layout;
    std::int64_t id = 0; // given by the file: filled by reads, not written
};

struct KeyFault {
    std::string expected;
    std::string typed;
    std::int64_t count = 0;
};

// How often a character was expected at a counted keystroke of an exercise.
struct KeyStrokes {
    std::string key;
    std::int64_t count = 0;
};

// One character's strokes and faults over some exercises.
struct KeyRate {
    std::string key;
    std::int64_t strokes = 0;
    std::int64_t faults = 0;
};

// "typed `typed` instead of `expected`", `count` times.
struct FaultPair {
    std::string expected;
    std::string typed;
    std::int64_t count = 0;
};

constexpr std::size_t kRecentExercises = 20;
constexpr std::size_t kTopPairs = 10;

// Everything the Progress screen shows of one learner.
struct Progress {
    std::vector<ExerciseRow> exercises; // oldest first
    std::vector<KeyRate> keys;          // over the last kRecentExercises exercises
    std::vector<FaultPair> pairs; // over all exercises, most frequent first, at most kTopPairs
};

enum class Outcome {
    Written,
    // Missing folder, no room, locked past the busy timeout: what was asked
    // is kept and tried again with the next write.
    Unavailable,
    // The file was no database or is corrupt: it now lies under `setAside`
    // and a fresh history holds what was asked.
    DamagedSetAside,
};

struct Result {
    Outcome outcome = Outcome::Written;
    std::filesystem::path setAside; // only with DamagedSetAside
};

class Store {
public:
    // Opens nothing yet: the file is opened at the first write, so a
    // history that cannot be opened costs a start-up or a sign-in nothing.
    explicit Store(std::filesystem::path file, int busyTimeoutMs = kBusyTimeoutMs);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Opens the file ahead of the first write, so the first exercise's end
    // costs no more than any other's. A file that will not open is left to
    // the first write, which says so.
    void prepare() { (void)open(); }

    Result record(const ExerciseRow& row, const std::vector<KeyFault>& faults,
                  const std::vector<KeyStrokes>& strokes = {});
    Result deleteUser(const std::string& user);
    // One learner's history (the stored name, UTF-8), writes still waiting
    // written first. A damaged file is set aside for a fresh, empty one as a
    // write does; a locked one is Unavailable. `out` is empty unless Written.
    Result read(const std::string& user, Progress& out);

    const std::filesystem::path& file() const { return file_; }
    // Writes asked for while the file was unavailable, waiting for the next.
    std::size_t pending() const { return pending_.size(); }

    // Long enough to wait out another program's write, short enough that a
    // file held locked by a stuck program is felt as a pause, not a hang.
    static constexpr int kBusyTimeoutMs = 1000;

private:
    struct Pending {
        std::optional<ExerciseRow> row; // none: the deletion of `user`
        std::vector<KeyFault> faults;
        std::vector<KeyStrokes> strokes;
        std::string user;
    };
    struct Closer {
        void operator()(sqlite3* db) const;
    };

    // SQLITE_OK, or the code of the first failure.
    int open();
    int write(const Pending& p);
    int flush();
    int readAll(const std::string& user, Progress& out);
    // Writes what waits; a damaged file is set aside for a fresh one.
    Result commit();
    // What a failed write or read means: a damaged file is closed and set
    // aside (DamagedSetAside), anything else leaves it (Unavailable).
    Result afterFailure(int code);
    void close() { db_.reset(); }
    std::filesystem::path setAside();

    std::filesystem::path file_;
    int busyTimeoutMs_;
    std::unique_ptr<sqlite3, Closer> db_;
    std::vector<Pending> pending_;
};

// Each character of the program's text (Windows-1252) as its own UTF-8; a
// line end as "\n".
std::string characterText(std::uint8_t zeichen);

} // namespace history
