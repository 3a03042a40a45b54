#pragma once

#include "users/benutzersatz.h"
#include "users/io_result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The operations on the user file user30.dat: 560-byte records, record n at
// byte 560 * n, no header. Each operation opens the file, holds an exclusive
// flock on it throughout (programs sharing one program directory take turns)
// and closes it again; none throws. Record numbers count from 0.
//
// A file whose length is not a whole number of records is used as its whole
// records. Before an operation changes such a file it keeps a copy as
// user30.dat.bak beside it, replacing an older copy, cuts the damaged tail
// off and says so in WriteReport::backup. The same holds for records past
// the 65535th, which no 16-bit record number reaches.
namespace users {

constexpr std::string_view kUserFileName = "user30.dat";
constexpr std::uint16_t kMaxRecords = 65535;

std::filesystem::path benutzerdatei(const std::filesystem::path& programmverzeichnis);

struct WriteReport {
    // The record written: the new one, the one overwritten, or the slot a
    // deletion filled.
    std::uint16_t number = 0;
    // Set when a copy of a damaged file was kept; show sicherungshinweis once.
    std::optional<std::filesystem::path> backup;
};

// Tells the learner, in the program's 8-bit text, where the copy is.
std::string sicherungshinweis(const std::filesystem::path& backup);

struct FoundUser {
    std::uint16_t number = 0;
    Satz satz{};
};

// Each record's name in file order; the count is the list's size.
IoResult<std::vector<std::string>> listNames(const std::filesystem::path& path);

// Creates an empty file only when none exists; true when it did. Any other
// failure to open (no permission, a directory of that name) is reported and
// leaves what is there alone.
IoResult<bool> ensureFile(const std::filesystem::path& path);

// The first record whose name is byte for byte this name, with its bytes.
IoResult<std::optional<FoundUser>> findUser(const std::filesystem::path& path,
                                            std::string_view name);

IoResult<Satz> readUser(const std::filesystem::path& path, std::uint16_t number);

// Refused with nothing written when the file already holds 65535 records.
IoResult<WriteReport> appendUser(const std::filesystem::path& path, const Satz& satz);

// Writes exactly bytes 560 * number .. 560 * number + 559.
IoResult<WriteReport> writeRecord(const std::filesystem::path& path, std::uint16_t number,
                                  const Satz& satz);

// datenaufdiskschreiben's write, found, read and written under one lock so
// no other program can move the record in between: the record named
// daten.name is read into benutzersatz, daten encoded over it (reserved bytes
// stay as read) and written back. A missing record is "Read beyond end of
// file" and nothing is written.
IoResult<WriteReport> writeUser(const std::filesystem::path& path, const Benutzerdaten& daten,
                                Satz& benutzersatz);

IoResult<std::uint16_t> countUsers(const std::filesystem::path& path);

IoResult<std::vector<Satz>> readAll(const std::filesystem::path& path);

using RecordVisitor = std::function<void(std::span<const std::uint8_t, kSatzGroesse>)>;

// readAll without holding every record at once: visit sees each record in
// file order. Returns how many users the file holds; when that is one fewer
// than were visited, the last was the copy an interrupted deletion left, and
// the caller drops what it made of it.
IoResult<std::uint16_t> visitAll(const std::filesystem::path& path, const RecordVisitor& visit);

enum class DeleteOutcome {
    Deleted,
    // The user is no longer in the file: another program deleted them.
    NotFound,
};

struct DeleteReport {
    DeleteOutcome outcome = DeleteOutcome::Deleted;
    // The slot the deleted user had, which the last record now fills.
    std::uint16_t number = 0;
    std::optional<std::filesystem::path> backup;
};

// Deletes the user called name: record number as the list showed it, or,
// when another program has moved the records since, wherever the name is now.
// The last record moves into the slot and is on the disk before the file
// shrinks by one record. A program killed in between leaves that record
// twice; the next operation on the file, of any program, finishes the cut.
IoResult<DeleteReport> deleteUser(const std::filesystem::path& path, std::uint16_t number,
                                  std::string_view name);

// The moments of a deletion, for tests that kill a program at each of them.
enum class DeletionStep {
    Read,  // the last record read, nothing written
    Moved, // the last record in the slot and on the disk
    Cut,   // the file shortened, not yet synced
};

namespace testing {
// Runs hook at each step of every deletion; nullptr for none.
void setDeletionHook(void (*hook)(DeletionStep));
} // namespace testing

} // namespace users
