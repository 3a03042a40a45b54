#include "platform/qt/sound_module/qt_sound.h"

#include "files/read_file.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>
#include <string_view>

namespace platform::qt {
namespace {

// QSoundEffect holds a whole sound in memory; a signal of a few seconds is
// far below this.
constexpr std::uintmax_t kLargestSound = 8U * 1024U * 1024U;
// "RIFF", the chunk size, "WAVE".
constexpr std::size_t kHeaderSize = 12;

} // namespace

bool hasWaveHeader(const std::filesystem::path& file) {
    const auto read = files::readFile(file, kLargestSound);
    const std::string_view bytes = read.bytes;
    return read.ok() && bytes.size() >= kHeaderSize && bytes.starts_with("RIFF") &&
           bytes.substr(8, 4) == "WAVE";
}

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

// Every sound plays asynchronously: waiting for the fault sound would hold
// the next keystroke, and without a sound device it would never end.
bool QtSound::play(const std::filesystem::path& file, bool /*synchronous*/) {
    if (!hasWaveHeader(file)) {
        return false;
    }
    QSoundEffect& effect = effectFor(file);
    if (effect.status() == QSoundEffect::Error) {
        return false;
    }
    effect.play();
    return effect.status() != QSoundEffect::Error;
}

void QtSound::beep() {
    QApplication::beep();
}

QSoundEffect& QtSound::effectFor(const std::filesystem::path& file) {
    auto& effect = effects_[file];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    }
    return *effect;
}

} // namespace platform::qt
