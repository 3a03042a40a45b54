#include "users/benutzerdatei.h"

#include "text/cp1252.h"
#include "users/file_handle.h"

#include <algorithm>
#include <cerrno>
#include <span>
#include <utility>

namespace users {

namespace {

using Path = std::filesystem::path;
using RecordView = std::span<const std::uint8_t, kSatzGroesse>;

// Listing a full file record by record would cost 65535 system calls.
constexpr std::uint64_t kRecordsPerBlock = 1024;

std::uint64_t recordOffset(std::uint64_t number) {
    return number * kSatzGroesse;
}

// The records an operation works on, and whether the file holds more bytes.
struct Extent {
    std::uint16_t records = 0;
    std::uint64_t length = 0;

    bool hasTail() const { return length != recordOffset(records); }
};

IoResult<FileHandle> openLocked(const Path& path, Access access) {
    auto file = FileHandle::open(path, access);
    if (!file) {
        return file.error();
    }
    if (auto locked = file->lockExclusive(); !locked) {
        return locked.error();
    }
    return std::move(*file);
}

IoResult<Extent> extentOf(const FileHandle& file) {
    const auto length = file.regularFileSize();
    if (!length) {
        return length.error();
    }
    const auto whole = std::min<std::uint64_t>(*length / kSatzGroesse, kMaxRecords);
    return Extent{static_cast<std::uint16_t>(whole), *length};
}

// A file opened and locked, with the records it holds.
struct OpenFile {
    FileHandle file;
    Extent extent;
};

// Who deals with the copy an interrupted deletion may have left: the open
// itself, or the caller, who reads every record anyway and notes it on the way.
enum class Copy { Finish, Caller };

IoResult<OpenFile> openUserFile(const Path& path, Access access, Copy copy = Copy::Finish);

// Hands records 0 .. records - 1 to visit(number, bytes) until it returns
// false, reading the file in large blocks.
template <typename Visit>
IoStatus forEachRecord(const FileHandle& file, std::uint16_t records, Visit visit) {
    std::vector<std::uint8_t> block;
    for (std::uint64_t first = 0; first < records; first += kRecordsPerBlock) {
        const auto count = std::min<std::uint64_t>(kRecordsPerBlock, records - first);
        block.resize(recordOffset(count));
        if (auto read = file.readAt(recordOffset(first), block); !read) {
            return read.error();
        }
        for (std::uint64_t i = 0; i < count; ++i) {
            const RecordView satz(block.data() + recordOffset(i), kSatzGroesse);
            if (!visit(static_cast<std::uint16_t>(first + i), satz)) {
                return {};
            }
        }
    }
    return {};
}

IoResult<std::optional<FoundUser>> findByName(const OpenFile& open, std::string_view name) {
    std::optional<FoundUser> found;
    auto searched =
        forEachRecord(open.file, open.extent.records, [&](std::uint16_t number, RecordView satz) {
            if (benutzernameIn(satz) != name) {
                return true;
            }
            found = FoundUser{number, {}};
            std::copy(satz.begin(), satz.end(), found->satz.begin());
            return false;
        });
    if (!searched) {
        return searched.error();
    }
    return found;
}

// A deletion moves the last record into the gap and then cuts the file.
// Killed in between, it leaves the moved record twice, in the gap and at the
// end: the last record equals an earlier one byte for byte. Such a copy
// holds nothing of its own, so dropping it loses nothing.
IoResult<std::optional<Satz>> possibleCopy(const OpenFile& open) {
    if (open.extent.hasTail() || open.extent.records < 2) {
        return std::optional<Satz>{}; // a deletion always leaves whole records
    }
    Satz last{};
    if (auto read = open.file.readAt(recordOffset(open.extent.records - 1), last); !read) {
        return read.error();
    }
    return std::optional<Satz>{last};
}

// Hands every record to visit(number, bytes) in one pass and says whether
// the last one is such a copy.
template <typename Visit> IoResult<bool> passNotingCopy(const OpenFile& open, Visit visit) {
    const auto last = possibleCopy(open);
    if (!last) {
        return last.error();
    }
    const std::uint16_t records = open.extent.records;
    bool copy = false;
    auto read = forEachRecord(open.file, records, [&](std::uint16_t number, RecordView satz) {
        if (*last && !copy && number + 1 < records) {
            copy = std::equal(satz.begin(), satz.end(), (*last)->begin());
        }
        visit(number, satz);
        return true;
    });
    if (!read) {
        return read.error();
    }
    return copy;
}

// Finishes the cut of an interrupted deletion, under the lock every
// operation holds. A reader may not write: it leaves the copy out of what it
// sees, and the next operation that writes finishes the cut.
IoStatus dropCopy(OpenFile& open, Access access) {
    const std::uint16_t records = open.extent.records - 1;
    if (access != Access::Read) {
        if (auto cut = open.file.truncate(recordOffset(records)); !cut) {
            return cut;
        }
        if (auto synced = open.file.sync(); !synced) {
            return synced;
        }
    }
    open.extent = Extent{records, recordOffset(records)};
    return {};
}

IoStatus finishCutDeletion(OpenFile& open, Access access) {
    const auto copy = passNotingCopy(open, [](std::uint16_t, RecordView) {});
    if (!copy) {
        return copy.error();
    }
    return *copy ? dropCopy(open, access) : IoStatus{};
}

IoResult<OpenFile> openUserFile(const Path& path, Access access, Copy copy) {
    auto file = openLocked(path, access);
    if (!file) {
        return file.error();
    }
    auto extent = extentOf(*file);
    if (!extent) {
        return extent.error();
    }
    OpenFile open{std::move(*file), *extent};
    if (copy == Copy::Caller) {
        return open;
    }
    if (auto finished = finishCutDeletion(open, access); !finished) {
        return finished.error();
    }
    return open;
}

IoStatus copyTo(const FileHandle& source, std::uint64_t length, const Path& target) {
    auto copy = FileHandle::open(target, Access::Replace);
    if (!copy) {
        return copy.error();
    }
    std::vector<std::uint8_t> block;
    for (std::uint64_t at = 0; at < length; at += block.size()) {
        block.resize(std::min(recordOffset(kRecordsPerBlock), length - at));
        if (auto read = source.readAt(at, block); !read) {
            return read;
        }
        if (auto written = copy->writeAt(at, block); !written) {
            return written;
        }
    }
    // The copy must be on the disk before the original loses its tail.
    if (auto synced = copy->sync(); !synced) {
        return synced;
    }
    return copy->close();
}

Path backupPath(const Path& path) {
    Path backup = path;
    backup += ".bak";
    return backup;
}

// Before the first change to a file with a damaged tail: keeps a copy and
// cuts the file to its whole records.
IoResult<std::optional<Path>> cutDamagedTail(OpenFile& open, const Path& path) {
    if (!open.extent.hasTail()) {
        return std::optional<Path>{};
    }
    const Path backup = backupPath(path);
    if (auto copied = copyTo(open.file, open.extent.length, backup); !copied) {
        return copied.error();
    }
    if (auto cut = open.file.truncate(recordOffset(open.extent.records)); !cut) {
        return cut.error();
    }
    return std::optional<Path>{backup};
}

IoResult<WriteReport> writeOver(OpenFile& open, const Path& path, std::uint16_t number,
                                const Satz& satz) {
    auto backup = cutDamagedTail(open, path);
    if (!backup) {
        return backup.error();
    }
    if (auto written = open.file.writeAt(recordOffset(number), satz); !written) {
        return written.error();
    }
    return WriteReport{number, *backup};
}

IoResult<WriteReport> closeAfter(OpenFile& open, IoResult<WriteReport> report) {
    if (!report) {
        return report;
    }
    if (auto closed = open.file.close(); !closed) {
        return closed.error();
    }
    return report;
}

// Whether record number is there and belongs to name: of two records of one
// name (a file from elsewhere) the one the list showed is deleted.
IoResult<bool> holdsName(const OpenFile& open, std::uint16_t number, std::string_view name) {
    if (number >= open.extent.records) {
        return false;
    }
    Satz satz{};
    if (auto read = open.file.readAt(recordOffset(number), satz); !read) {
        return read.error();
    }
    return benutzernameIn(satz) == name;
}

void (*deletionHook)(DeletionStep) = nullptr;

void deletionStep(DeletionStep step) {
    if (deletionHook != nullptr) {
        deletionHook(step);
    }
}

// The last record over record number, on the disk before the file is cut,
// so a kill can never leave the file without it.
IoStatus moveLastInto(OpenFile& open, std::uint16_t number) {
    const std::uint16_t last = open.extent.records - 1;
    if (number == last) {
        return {};
    }
    Satz satz{};
    if (auto read = open.file.readAt(recordOffset(last), satz); !read) {
        return read;
    }
    deletionStep(DeletionStep::Read);
    if (auto written = open.file.writeAt(recordOffset(number), satz); !written) {
        return written;
    }
    return open.file.sync();
}

IoError fileFull() {
    return {0, "The user file already holds 65535 users; no further user can be added."};
}

} // namespace

Path benutzerdatei(const Path& programmverzeichnis) {
    return programmverzeichnis / kUserFileName;
}

std::string sicherungshinweis(const Path& backup) {
    return "The user file was damaged at its end. A copy of it was kept as " +
           text::fromUtf8(backup.string()) + "; the program goes on with the complete records.";
}

IoResult<std::vector<std::string>> listNames(const Path& path) {
    auto open = openUserFile(path, Access::Read, Copy::Caller);
    if (!open) {
        return open.error();
    }
    std::vector<std::string> names;
    names.reserve(open->extent.records);
    const auto copy = passNotingCopy(
        *open, [&](std::uint16_t, RecordView satz) { names.emplace_back(benutzernameIn(satz)); });
    if (!copy) {
        return copy.error();
    }
    if (*copy) {
        names.pop_back();
    }
    return names;
}

IoResult<bool> ensureFile(const Path& path) {
    auto existing = openLocked(path, Access::ReadWrite);
    if (existing) {
        return false;
    }
    if (existing.error().code != ENOENT) {
        return existing.error();
    }
    auto created = FileHandle::open(path, Access::CreateNew);
    if (created) {
        return true;
    }
    // Another program created it in the meantime.
    if (created.error().code == EEXIST) {
        return false;
    }
    return created.error();
}

IoResult<std::optional<FoundUser>> findUser(const Path& path, std::string_view name) {
    // The copy a cut deletion left is never the first of its name: no pass
    // to the end is needed here.
    auto open = openUserFile(path, Access::Read, Copy::Caller);
    if (!open) {
        return open.error();
    }
    return findByName(*open, name);
}

IoResult<Satz> readUser(const Path& path, std::uint16_t number) {
    auto open = openUserFile(path, Access::Read);
    if (!open) {
        return open.error();
    }
    if (number >= open->extent.records) {
        return readBeyondEnd();
    }
    Satz satz{};
    if (auto read = open->file.readAt(recordOffset(number), satz); !read) {
        return read.error();
    }
    return satz;
}

IoResult<WriteReport> appendUser(const Path& path, const Satz& satz) {
    auto open = openUserFile(path, Access::ReadWrite);
    if (!open) {
        return open.error();
    }
    if (open->extent.records == kMaxRecords) {
        return fileFull();
    }
    return closeAfter(*open, writeOver(*open, path, open->extent.records, satz));
}

IoResult<WriteReport> writeRecord(const Path& path, std::uint16_t number, const Satz& satz) {
    auto open = openUserFile(path, Access::ReadWrite);
    if (!open) {
        return open.error();
    }
    if (number >= open->extent.records) {
        return readBeyondEnd();
    }
    return closeAfter(*open, writeOver(*open, path, number, satz));
}

IoResult<WriteReport> writeUser(const Path& path, const Benutzerdaten& daten, Satz& benutzersatz) {
    auto open = openUserFile(path, Access::ReadWrite, Copy::Caller);
    if (!open) {
        return open.error();
    }
    // One pass finds the record and notes a cut deletion's copy, which goes
    // before the record changes: changed, it would no longer match its copy.
    const std::string_view name = std::string_view(daten.name).substr(0, kNameMax);
    std::optional<FoundUser> found;
    const auto copy = passNotingCopy(*open, [&](std::uint16_t number, RecordView satz) {
        if (!found && benutzernameIn(satz) == name) {
            found = FoundUser{number, {}};
            std::copy(satz.begin(), satz.end(), found->satz.begin());
        }
    });
    if (!copy) {
        return copy.error();
    }
    if (*copy) {
        if (auto dropped = dropCopy(*open, Access::ReadWrite); !dropped) {
            return dropped.error();
        }
    }
    if (!found) {
        // Deleted by another program while this learner is signed in here:
        // an active learner is never deleted, and the progress must not be
        // lost, so the record goes back in at the end.
        if (open->extent.records == kMaxRecords) {
            return fileFull();
        }
        encode(daten, benutzersatz);
        return closeAfter(*open, writeOver(*open, path, open->extent.records, benutzersatz));
    }
    benutzersatz = found->satz;
    encode(daten, benutzersatz);
    return closeAfter(*open, writeOver(*open, path, found->number, benutzersatz));
}

IoResult<std::uint16_t> countUsers(const Path& path) {
    auto open = openUserFile(path, Access::Read);
    if (!open) {
        return open.error();
    }
    return open->extent.records;
}

IoResult<std::vector<Satz>> readAll(const Path& path) {
    auto open = openUserFile(path, Access::Read, Copy::Caller);
    if (!open) {
        return open.error();
    }
    std::vector<Satz> records(open->extent.records);
    const auto copy = passNotingCopy(*open, [&](std::uint16_t number, RecordView satz) {
        std::copy(satz.begin(), satz.end(), records[number].begin());
    });
    if (!copy) {
        return copy.error();
    }
    if (*copy) {
        records.pop_back();
    }
    return records;
}

IoResult<std::uint16_t> visitAll(const Path& path, const RecordVisitor& visit) {
    auto open = openUserFile(path, Access::Read, Copy::Caller);
    if (!open) {
        return open.error();
    }
    const auto copy = passNotingCopy(*open, [&](std::uint16_t, RecordView satz) { visit(satz); });
    if (!copy) {
        return copy.error();
    }
    return static_cast<std::uint16_t>(open->extent.records - (*copy ? 1 : 0));
}

IoResult<DeleteReport> deleteUser(const Path& path, std::uint16_t number, std::string_view name) {
    auto open = openUserFile(path, Access::ReadWrite);
    if (!open) {
        return open.error();
    }
    // Another program may have moved the user since the list was read.
    auto found = findByName(*open, name);
    if (!found) {
        return found.error();
    }
    if (!*found) {
        return DeleteReport{DeleteOutcome::NotFound, number, {}};
    }
    auto shown = holdsName(*open, number, name);
    if (!shown) {
        return shown.error();
    }
    if (!*shown) {
        number = (*found)->number;
    }
    auto backup = cutDamagedTail(*open, path);
    if (!backup) {
        return backup.error();
    }
    if (auto moved = moveLastInto(*open, number); !moved) {
        return moved.error();
    }
    deletionStep(DeletionStep::Moved);
    // From here a kill leaves the moved record twice; the next open cuts it.
    const std::uint16_t last = open->extent.records - 1;
    if (auto cut = open->file.truncate(recordOffset(last)); !cut) {
        return cut.error();
    }
    deletionStep(DeletionStep::Cut);
    if (auto synced = open->file.sync(); !synced) {
        return synced.error();
    }
    if (auto closed = open->file.close(); !closed) {
        return closed.error();
    }
    return DeleteReport{DeleteOutcome::Deleted, number, *backup};
}

namespace testing {

void setDeletionHook(void (*hook)(DeletionStep)) {
    deletionHook = hook;
}

} // namespace testing

} // namespace users
