#include "platform/qt/lazy_sound.h"

#include <QApplication>

namespace platform::qt {
namespace {

constexpr const char* kEntry = "clavora_sound_create";
using Create = Sound* (*)();

} // namespace

LazySound::LazySound(std::vector<QString> modulePaths) : module_(std::move(modulePaths), kEntry) {}

std::vector<QString> LazySound::defaultPaths() {
    return modulePaths(QStringLiteral("libclavora-sound.so"));
}

Sound* LazySound::module() {
    return module_.get([](QFunctionPointer entry) { return reinterpret_cast<Create>(entry)(); });
}

bool LazySound::play(const std::filesystem::path& file, bool synchronous) {
    Sound* sound = module();
    return sound != nullptr && sound->play(file, synchronous);
}

void LazySound::beep() {
    QApplication::beep();
}

} // namespace platform::qt
