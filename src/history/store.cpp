#include "history/store.h"

#include "text/cp1252.h"

#include <sqlite3.h>
#include <system_error>

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
    "CREATE INDEX IF NOT EXISTS key_faults_exercise ON key_faults(exercise_id);";

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
    int code = exec(raw, "PRAGMA journal_mode=WAL");
    if (code == SQLITE_OK) {
        code = exec(raw, "PRAGMA synchronous=NORMAL");
    }
    if (code == SQLITE_OK) {
        code = exec(raw, kSchema);
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
            int code = Statement(db, "DELETE FROM key_faults WHERE exercise_id IN "
                                     "(SELECT id FROM exercises WHERE user = ?)")
                           .text(1, p.user)
                           .run();
            if (code == SQLITE_OK) {
                code = Statement(db, "DELETE FROM exercises WHERE user = ?").text(1, p.user).run();
            }
            return code;
        });
    }
    return transaction(db, [&] {
        const int code = insertRow(db, *p.row);
        if (code != SQLITE_OK) {
            return code;
        }
        return insertFaults(db, sqlite3_last_insert_rowid(db), p.faults);
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

Result Store::commit() {
    const int code = flush();
    if (code == SQLITE_OK) {
        return {};
    }
    if (!damaged(code)) {
        return {Outcome::Unavailable, {}};
    }
    close();
    auto aside = setAside();
    if (aside.empty()) {
        return {Outcome::Unavailable, {}};
    }
    flush();
    return {Outcome::DamagedSetAside, aside};
}

Result Store::record(const ExerciseRow& row, const std::vector<KeyFault>& faults) {
    if (pending_.size() >= kMaxPending) {
        pending_.erase(pending_.begin());
    }
    pending_.push_back({row, faults, {}});
    return commit();
}

Result Store::deleteUser(const std::string& user) {
    pending_.push_back({std::nullopt, {}, user});
    return commit();
}

std::string characterText(std::uint8_t zeichen) {
    if (zeichen == 13 || zeichen == 10) {
        return "\n";
    }
    const char c = static_cast<char>(zeichen);
    return text::toUtf8(std::string_view(&c, 1));
}

} // namespace history
