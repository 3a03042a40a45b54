#include "platform/qt/lazy_sound.h"

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
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + QStringLiteral("/libclavora-sound.so"),
            bin + QStringLiteral("/" CLAVORA_MODULES_FROM_BIN "/libclavora-sound.so")};
}

Sound* LazySound::module() {
    if (tried_) {
        return sound_.get();
    }
    tried_ = true;
    for (const QString& path : paths_) {
        auto library = std::make_unique<QLibrary>(path);
        const auto create = reinterpret_cast<Create>(library->resolve(kEntry));
        if (create != nullptr) {
            sound_.reset(create());
            library_ = std::move(library);
            break;
        }
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
