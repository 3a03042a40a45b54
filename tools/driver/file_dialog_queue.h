#pragma once

#include "platform/services.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>

namespace driver {

// File dialogs answered from one queue in the order the answers were given.
// A dialog takes the first queued answer meant for its kind or a cancel; a
// cancel thus stops whichever dialog comes first, open or save. With nothing
// that fits, the dialog is cancelled as a person closing it would.
class FileDialogQueue : public platform::FileDialogs {
public:
    std::optional<std::filesystem::path> open(const std::filesystem::path& folder,
                                              const std::string& filter) override;
    std::optional<std::filesystem::path> save(const std::filesystem::path& folder,
                                              const std::string& filter) override;

    void queueOpen(std::filesystem::path file) {
        answers_.push_back({Kind::Open, std::move(file)});
    }
    void queueSave(std::filesystem::path file) {
        answers_.push_back({Kind::Save, std::move(file)});
    }
    void queueCancel() { answers_.push_back({Kind::Cancel, {}}); }

private:
    enum class Kind { Open, Save, Cancel };
    struct QueuedAnswer {
        Kind kind;
        std::filesystem::path file;
    };
    std::optional<std::filesystem::path> take(Kind kind);

    std::deque<QueuedAnswer> answers_;
};

} // namespace driver
