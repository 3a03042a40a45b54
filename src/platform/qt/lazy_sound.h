#pragma once

#include "platform/qt/module_loader.h"
#include "platform/services.h"

#include <QString>
#include <vector>

namespace platform::qt {

// Plays sounds through the sound module (Qt Multimedia and the sound
// server), loaded at the first sound rather than at start-up: it brings
// some thirty libraries the first window does not need. Without the module,
// or without a sound device, play() says false and the caller beeps.
class LazySound : public Sound {
public:
    // The places the module may lie, tried in order.
    explicit LazySound(std::vector<QString> modulePaths);

    bool play(const std::filesystem::path& file, bool synchronous) override;
    void beep() override;
    // Whether the module has been found and loaded.
    bool loaded() const { return module_.loaded(); }

    // The module beside the binary or where installing puts it.
    static std::vector<QString> defaultPaths();

private:
    Sound* module();

    ModuleService<Sound> module_;
};

} // namespace platform::qt
