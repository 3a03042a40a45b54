#include "driver/file_dialog_queue.h"

#include <algorithm>

namespace driver {

std::optional<std::filesystem::path> FileDialogQueue::open(const std::filesystem::path&,
                                                           const std::string&) {
    return take(Kind::Open);
}

std::optional<std::filesystem::path> FileDialogQueue::save(const std::filesystem::path&,
                                                           const std::string&) {
    return take(Kind::Save);
}

std::optional<std::filesystem::path> FileDialogQueue::take(Kind kind) {
    const auto it = std::find_if(answers_.begin(), answers_.end(), [kind](const QueuedAnswer& a) {
        return a.kind == kind || a.kind == Kind::Cancel;
    });
    if (it == answers_.end()) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> result;
    if (it->kind != Kind::Cancel) {
        result = it->file;
    }
    answers_.erase(it);
    return result;
}

} // namespace driver
