#include "platform/qt/lazy_sound.h"

#include "platform/qt/module_loader.h"

#include <QApplication>
#include <QLibrary>

namespace platform::qt {
namespace {

constexpr const char* kEntry = "clavora_sound_create";
using Create = Sound* (*)();

} // namespace

LazySound::LazySound(std::vector<QString> modulePaths) : paths_(std::move(modulePaths)) {}

// The sound goes before the library that holds its code.
LazySound::~LazySound() {
    sound_.reset();
}

std::vector<QString> LazySound::defaultPaths() {
    return modulePaths(QStringLiteral("libclavora-sound.so"));
}

Sound* LazySound::module() {
    if (tried_) {
        return sound_.get();
    }
    tried_ = true;
    if (const auto create = reinterpret_cast<Create>(openModule(paths_, kEntry, library_))) {
        sound_.reset(create());
    }
    return sound_.get();
}

bool LazySound::play(const std::filesystem::path& file, bool synchronous) {
    Sound* sound = module();
    return sound != nullptr && sound->play(file, synchronous);
}

void LazySound::beep() {
    QApplication::beep();
}

} // namespace platform::qt
