#pragma once

#include <cstdint>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <utility>
#include <vector>

// Reads the progress history as an outside tool would: its own connection
// through the C API, read-only, by the column names other tools use.
namespace history_rows {

struct Row {
    std::int64_t id = 0;
    std::string user, started, kind, layout;
    std::int64_t lesson = 0, completed = 0, keystrokes = 0, faults = 0;
    double seconds = 0, kpm = 0, faultRate = 0;
};

struct Fault {
    std::int64_t exerciseId = 0;
    std::string expected, typed;
    std::int64_t count = 0;
};

class Reader {
public:
    explicit Reader(const std::filesystem::path& file) {
        ok_ = sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    }
    ~Reader() { sqlite3_close_v2(db_); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool ok() const { return ok_; }

    std::vector<Row> rows() {
        std::vector<Row> result;
        each("SELECT id, user, started, lesson, kind, completed, keystrokes, faults, seconds, "
             "kpm, fault_rate, layout FROM exercises ORDER BY id",
             [&](sqlite3_stmt* st) {
                 result.push_back({sqlite3_column_int64(st, 0), text(st, 1), text(st, 2),
                                   text(st, 4), text(st, 11), sqlite3_column_int64(st, 3),
                                   sqlite3_column_int64(st, 5), sqlite3_column_int64(st, 6),
                                   sqlite3_column_int64(st, 7), sqlite3_column_double(st, 8),
                                   sqlite3_column_double(st, 9), sqlite3_column_double(st, 10)});
             });
        return result;
    }

    std::vector<Fault> faults() {
        std::vector<Fault> result;
        each("SELECT exercise_id, expected, typed, count FROM key_faults "
             "ORDER BY exercise_id, expected, typed",
             [&](sqlite3_stmt* st) {
                 result.push_back({sqlite3_column_int64(st, 0), text(st, 1), text(st, 2),
                                   sqlite3_column_int64(st, 3)});
             });
        return result;
    }

    std::int64_t faultSum(std::int64_t exerciseId) {
        std::int64_t sum = 0;
        for (const auto& f : faults()) {
            sum += f.exerciseId == exerciseId ? f.count : 0;
        }
        return sum;
    }

    // Each key's strokes summed over all exercises, by key.
    std::vector<std::pair<std::string, std::int64_t>> strokes() {
        std::vector<std::pair<std::string, std::int64_t>> result;
        each("SELECT key, SUM(count) FROM key_strokes GROUP BY key ORDER BY key",
             [&](sqlite3_stmt* st) {
                 result.emplace_back(text(st, 0), sqlite3_column_int64(st, 1));
             });
        return result;
    }

    std::string integrity() {
        std::string result;
        each("PRAGMA integrity_check", [&](sqlite3_stmt* st) { result += text(st, 0); });
        return result;
    }

private:
    static std::string text(sqlite3_stmt* st, int column) {
        const auto* value = sqlite3_column_text(st, column);
        return value == nullptr ? std::string{} : reinterpret_cast<const char*>(value);
    }
    template <typename Each> void each(const char* sql, Each f) {
        sqlite3_stmt* st = nullptr;
        if (!ok_ || sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) {
            ok_ = false;
            return;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            f(st);
        }
        sqlite3_finalize(st);
    }

    sqlite3* db_ = nullptr;
    bool ok_ = false;
};

} // namespace history_rows
