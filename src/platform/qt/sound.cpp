#include "platform/qt/sound.h"

#include <QApplication>
#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <array>
#include <fstream>
#include <string_view>

namespace platform::qt {
namespace {

// A synchronous sound never holds the program longer than this.
constexpr int kLongestWaitMs = 10000;

void waitUntilDone(QSoundEffect& effect) {
    QEventLoop loop;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying()) {
            loop.quit();
        }
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) {
            loop.quit();
        }
    });
    QTimer::singleShot(kLongestWaitMs, &loop, &QEventLoop::quit);
    if (effect.isPlaying() && effect.status() != QSoundEffect::Error) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace

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

bool QtSound::play(const std::filesystem::path& file, bool synchronous) {
    if (!hasWaveHeader(file)) {
        return false;
    }
    QSoundEffect& effect = effectFor(file);
    if (effect.status() == QSoundEffect::Error) {
        return false;
    }
    effect.play();
    if (synchronous) {
        waitUntilDone(effect);
    }
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
