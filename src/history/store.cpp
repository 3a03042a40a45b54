#include "history/store.h"

#include "text/cp1252.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <sqlite3.h>
#include <system_error>
#include <thread>

namespace history {

namespace {

// Beyond this many writes waiting for an unavailable file, the oldest go:
// a history that stays locked for a whole day must not grow without end.
constexpr std::size_t kMaxPending = 1000;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS exercises(id INTEGER PRIMARY KEY, user TEXT, started TEXT, "
    "lesson INTEGER, kind TEXT, completed INTEGER, keystrokes INTEGER, faults INTEGER, "
    "seconds REAL, kpm REAL, fault_rate REAL, layout TEXT);"
    "CREATE TABLE IF NOT EXISTS key_faults(exercise_id INTEGER, expected TEXT, typed TEXT, "
    "count INTEGER);"
    "CREATE INDEX IF NOT EXISTS exercises_user ON exercises(user, started);"
    "CREATE INDEX IF NOT EXISTS key_faults_exercise ON key_faults(exercise_id);"
    "CREATE TABLE IF NOT EXISTS key_strokes(exercise_id INTEGER, key TEXT, count INTEGER);"
    "CREATE INDEX IF NOT EXISTS key_strokes_exercise ON key_strokes(exercise_id);";

bool damaged(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

// A prepared statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        code_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int code() const { return code_; }
    // Ready to be bound and run again.
    void reset() { sqlite3_reset(stmt_); }
    Statement& text(int index, const std::string& value) {
        keep(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                               SQLITE_TRANSIENT));
        return *this;
    }
    Statement& integer(int index, std::int64_t value) {
        keep(sqlite3_bind_int64(stmt_, index, value));
        return *this;
    }
    Statement& real(int index, double value) {
        keep(sqlite3_bind_double(stmt_, index, value));
        return *this;
    }
    // The next row: SQLITE_ROW while there is one, SQLITE_DONE after the last.
    int step() { return code_ == SQLITE_OK ? sqlite3_step(stmt_) : code_; }
    std::int64_t integerAt(int column) const { return sqlite3_column_int64(stmt_, column); }
    double realAt(int column) const { return sqlite3_column_double(stmt_, column); }
    std::string textAt(int column) const {
        const auto* text = sqlite3_column_text(stmt_, column);
        return text == nullptr
                   ? std::string{}
                   : std::string(reinterpret_cast<const char*>(text),
                                 static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
    }
    // Calls `row` for each row; SQLITE_OK when all were read.
    template <typename Row> int each(Row row) {
        int code = step();
        for (; code == SQLITE_ROW; code = step()) {
            row(*this);
        }
        return code == SQLITE_DONE ? SQLITE_OK : code;
    }
    // Runs to the end; SQLITE_OK when it did.
    int run() {
        if (code_ != SQLITE_OK) {
            return code_;
        }
        int step = SQLITE_ROW;
        while (step == SQLITE_ROW) {
            step = sqlite3_step(stmt_);
        }
        return step == SQLITE_DONE ? SQLITE_OK : step;
    }

private:
    void keep(int code) {
        if (code_ == SQLITE_OK) {
            code_ = code;
        }
    }
    sqlite3_stmt* stmt_ = nullptr;
    int code_ = SQLITE_OK;
};

int exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// One transaction: all of it or, on any failure, nothing.
template <typename Body> int transaction(sqlite3* db, Body body) {
    if (const int code = exec(db, "BEGIN IMMEDIATE"); code != SQLITE_OK) {
        return code;
    }
    const int code = body();
    if (code != SQLITE_OK) {
        exec(db, "ROLLBACK");
        return code;
    }
    const int commit = exec(db, "COMMIT");
    if (commit != SQLITE_OK) {
        exec(db, "ROLLBACK");
    }
    return commit;
}

int insertRow(sqlite3* db, const ExerciseRow& r) {
    Statement insert(db, "INSERT INTO exercises(user, started, lesson, kind, completed, "
                         "keystrokes, faults, seconds, kpm, fault_rate, layout) "
                         "VALUES(?,?,?,?,?,?,?,?,?,?,?)");
    return insert.text(1, r.user)
        .text(2, r.started)
        .integer(3, r.lesson)
        .text(4, r.kind)
        .integer(5, r.completed ? 1 : 0)
        .integer(6, r.keystrokes)
        .integer(7, r.faults)
        .real(8, r.seconds)
        .real(9, r.kpm)
        .real(10, r.faultRate)
        .text(11, r.layout)
        .run();
}

int insertFaults(sqlite3* db, std::int64_t id, const std::vector<KeyFault>& faults) {
    Statement insert(db, "INSERT INTO key_faults(exercise_id, expected, typed, count) "
                         "VALUES(?,?,?,?)");
    for (const auto& f : faults) {
        insert.integer(1, id).text(2, f.expected).text(3, f.typed).integer(4, f.count);
        if (const int code = insert.run(); code != SQLITE_OK) {
            return code;
        }
        insert.reset();
    }
    return insert.code();
}

int insertStrokes(sqlite3* db, std::int64_t id, const std::vector<KeyStrokes>& strokes) {
    Statement insert(db, "INSERT INTO key_strokes(exercise_id, key, count) VALUES(?,?,?)");
    for (const auto& k : strokes) {
        insert.integer(1, id).text(2, k.key).integer(3, k.count);
        if (const int code = insert.run(); code != SQLITE_OK) {
            return code;
        }
        insert.reset();
    }
    return insert.code();
}

int readExercises(sqlite3* db, const std::string& user, std::vector<ExerciseRow>& rows) {
    Statement select(db, "SELECT id, user, started, lesson, kind, completed, keystrokes, faults, "
                         "seconds, kpm, fault_rate, layout FROM exercises WHERE user = ? "
                         "ORDER BY id");
    return select.text(1, user).each([&](const Statement& r) {
        ExerciseRow row;
        row.id = r.integerAt(0);
        row.user = r.textAt(1);
        row.started = r.textAt(2);
        row.lesson = static_cast<int>(r.integerAt(3));
        row.kind = r.textAt(4);
        row.completed = r.integerAt(5) != 0;
        row.keystrokes = r.integerAt(6);
        row.faults = r.integerAt(7);
        row.seconds = r.realAt(8);
        row.kpm = r.realAt(9);
        row.faultRate = r.realAt(10);
        row.layout = r.textAt(11);
        rows.push_back(std::move(row));
    });
}

// Strokes and faults per character over the recent exercises. An exercise
// written before strokes were kept has faults only: its faults count as its
// strokes, so its keys show no rate above 100 %.
int readKeys(sqlite3* db, const std::string& user, std::vector<KeyRate>& keys) {
    std::map<std::string, KeyRate> byKey;
    const std::string recent =
        "exercise_id IN (SELECT id FROM exercises WHERE user = ?1 ORDER BY id DESC LIMIT " +
        std::to_string(kRecentExercises) + ")";
    const std::string strokes =
        "SELECT key, SUM(count) FROM key_strokes WHERE " + recent +
        " GROUP BY key UNION ALL SELECT expected, SUM(count) FROM key_faults WHERE " + recent +
        " AND exercise_id NOT IN (SELECT exercise_id FROM key_strokes) GROUP BY expected";
    int code = Statement(db, strokes.c_str()).text(1, user).each([&](const Statement& r) {
        byKey[r.textAt(0)].strokes += r.integerAt(1);
    });
    if (code != SQLITE_OK) {
        return code;
    }
    const std::string faults =
        "SELECT expected, SUM(count) FROM key_faults WHERE " + recent + " GROUP BY expected";
    code = Statement(db, faults.c_str()).text(1, user).each([&](const Statement& r) {
        byKey[r.textAt(0)].faults += r.integerAt(1);
    });
    for (auto& [key, rate] : byKey) {
        rate.key = key;
        keys.push_back(rate);
    }
    return code;
}

int readPairs(sqlite3* db, const std::string& user, std::vector<FaultPair>& pairs) {
    Statement select(db, "SELECT expected, typed, SUM(count) AS n FROM key_faults "
                         "WHERE exercise_id IN (SELECT id FROM exercises WHERE user = ?) "
                         "GROUP BY expected, typed ORDER BY n DESC, expected, typed LIMIT ?");
    return select.text(1, user)
        .integer(2, static_cast<std::int64_t>(kTopPairs))
        .each([&](const Statement& r) {
            pairs.push_back({r.textAt(0), r.textAt(1), r.integerAt(2)});
        });
}

// Switching to WAL does not wait for a lock as other statements do: two
// programs opening a new history at once would see "locked" at once. It is
// tried again until the busy timeout has passed.
int walMode(sqlite3* db, int busyTimeoutMs) {
    constexpr auto kPause = std::chrono::milliseconds(5);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(busyTimeoutMs);
    int code = exec(db, "PRAGMA journal_mode=WAL");
    while ((code & 0xff) == SQLITE_BUSY && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(kPause);
        code = exec(db, "PRAGMA journal_mode=WAL");
    }
    return code;
}

} // namespace

void Store::Closer::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

Store::Store(std::filesystem::path file, int busyTimeoutMs)
    : file_(std::move(file)), busyTimeoutMs_(busyTimeoutMs) {}

Store::~Store() = default;

int Store::open() {
    if (db_) {
        return SQLITE_OK;
    }
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(file_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db_.reset(raw);
    if (opened != SQLITE_OK) {
        close();
        return opened;
    }
    sqlite3_busy_timeout(raw, busyTimeoutMs_);
    // WAL lets a second program record while this one reads or writes; a
    // killed program loses at most the transaction it was in.
    int code = walMode(raw, busyTimeoutMs_);
    if (code == SQLITE_OK) {
        code = exec(raw, "PRAGMA synchronous=NORMAL");
    }
    if (code == SQLITE_OK) {
        // As one write transaction taken at once: table by table, a second
        // program creating them too would make a statement's upgrade from
        // reading to writing fail at once, without waiting.
        code = transaction(raw, [raw] { return exec(raw, kSchema); });
    }
    if (code != SQLITE_OK) {
        close();
    }
    return code;
}

int Store::write(const Pending& p) {
    sqlite3* db = db_.get();
    if (!p.row) {
        return transaction(db, [&] {
            int code = SQLITE_OK;
            for (const char* table : {"key_faults", "key_strokes"}) {
                if (code == SQLITE_OK) {
                    code = Statement(db, (std::string("DELETE FROM ") + table +
                                          " WHERE exercise_id IN "
                                          "(SELECT id FROM exercises WHERE user = ?)")
                                             .c_str())
                               .text(1, p.user)
                               .run();
                }
            }
            if (code == SQLITE_OK) {
                code = Statement(db, "DELETE FROM exercises WHERE user = ?").text(1, p.user).run();
            }
            return code;
        });
    }
    return transaction(db, [&] {
        int code = insertRow(db, *p.row);
        if (code != SQLITE_OK) {
            return code;
        }
        const std::int64_t id = sqlite3_last_insert_rowid(db);
        code = insertFaults(db, id, p.faults);
        return code == SQLITE_OK ? insertStrokes(db, id, p.strokes) : code;
    });
}

int Store::flush() {
    if (const int code = open(); code != SQLITE_OK) {
        return code;
    }
    std::size_t done = 0;
    int code = SQLITE_OK;
    for (; done < pending_.size(); ++done) {
        code = write(pending_[done]);
        if (code != SQLITE_OK) {
            break;
        }
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(done));
    return code;
}

std::filesystem::path Store::setAside() {
    std::error_code ec;
    for (int n = 1; n < 10000; ++n) {
        std::filesystem::path aside = file_;
        aside += ".damaged-" + std::to_string(n);
        if (std::filesystem::exists(aside, ec)) {
            continue;
        }
        std::filesystem::rename(file_, aside, ec);
        if (ec) {
            return {};
        }
        // The journal files belong to the damaged file: they go with it.
        for (const char* suffix : {"-wal", "-shm"}) {
            auto from = file_;
            from += suffix;
            auto to = aside;
            to += suffix;
            if (std::filesystem::exists(from, ec)) {
                std::filesystem::rename(from, to, ec);
            }
        }
        return aside;
    }
    return {};
}

Result Store::afterFailure(int code) {
    if (!damaged(code)) {
        return {Outcome::Unavailable, {}};
    }
    close();
    auto aside = setAside();
    if (aside.empty()) {
        return {Outcome::Unavailable, {}};
    }
    return {Outcome::DamagedSetAside, aside};
}

Result Store::commit() {
    const int code = flush();
    if (code == SQLITE_OK) {
        return {};
    }
    const Result result = afterFailure(code);
    if (result.outcome == Outcome::DamagedSetAside) {
        flush(); // into the fresh history
    }
    return result;
}

Result Store::record(const ExerciseRow& row, const std::vector<KeyFault>& faults,
                     const std::vector<KeyStrokes>& strokes) {
    if (pending_.size() >= kMaxPending) {
        pending_.erase(pending_.begin());
    }
    pending_.push_back({row, faults, strokes, {}});
    return commit();
}

Result Store::deleteUser(const std::string& user) {
    pending_.push_back({std::nullopt, {}, {}, user});
    return commit();
}

int Store::readAll(const std::string& user, Progress& out) {
    sqlite3* db = db_.get();
    // One read transaction: the three reads see the same exercises.
    if (const int code = exec(db, "BEGIN"); code != SQLITE_OK) {
        return code;
    }
    int code = readExercises(db, user, out.exercises);
    if (code == SQLITE_OK) {
        code = readKeys(db, user, out.keys);
    }
    if (code == SQLITE_OK) {
        code = readPairs(db, user, out.pairs);
    }
    exec(db, "COMMIT");
    return code;
}

Result Store::read(const std::string& user, Progress& out) {
    out = {};
    const Result written = commit();
    if (written.outcome == Outcome::Unavailable) {
        return written;
    }
    const int code = readAll(user, out);
    if (code == SQLITE_OK) {
        return written;
    }
    out = {};
    const Result result = afterFailure(code);
    if (result.outcome == Outcome::DamagedSetAside) {
        (void)open(); // a fresh history, empty as `out`
    }
    return result;
}

std::string characterText(std::uint8_t zeichen) {
    if (zeichen == 13 || zeichen == 10) {
        return "\n";
    }
    const char c = static_cast<char>(zeichen);
    return text::toUtf8(std::string_view(&c, 1));
}

} // namespace history
