#include "platform/qt/sound.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <fstream>
#include <string_view>

namespace platform::qt {
namespace {} // namespace

bool hasWaveHeader(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<char, 12> header{};
    if (!in.read(header.data(), header.size())) {
        return false;
    }
    const std::string_view bytes(header.data(), header.size());
    return bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
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
