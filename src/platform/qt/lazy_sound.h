#pragma once

#include "platform/services.h"

#include <QString>
#include <memory>
#include <vector>

class QLibrary;

namespace platform::qt {

// Plays sounds through the sound module (Qt Multimedia and the sound
// server), loaded at the first sound rather than at start-up: it brings
// some thirty libraries the first window does not need. Without the module,
// or without a sound device, play() says false and the caller beeps.
class LazySound : public Sound {
public:
    // The places the module may lie, tried in order.
    explicit LazySound(std::vector<QString> modulePaths);
    ~LazySound() override;
    LazySound(const LazySound&) = delete;
    LazySound& operator=(const LazySound&) = delete;

    bool play(const std::filesystem::path& file, bool synchronous) override;
    void beep() override;
    // Whether the module has been found and loaded.
    bool loaded() const { return sound_ != nullptr; }

    // The module beside the binary or where installing puts it.
    static std::vector<QString> defaultPaths();

private:
    Sound* module();

    std::vector<QString> paths_;
    bool tried_ = false;
    std::unique_ptr<QLibrary> library_;
    std::unique_ptr<Sound> sound_;
};

} // namespace platform::qt
