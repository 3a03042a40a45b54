#pragma once

#include "platform/services.h"

#include <filesystem>
#include <map>
#include <memory>

class QSoundEffect;

namespace platform::qt {

// Whether the file can be read whole and starts like a WAV file: "RIFF", a
// size, "WAVE".
bool hasWaveHeader(const std::filesystem::path& file);

// Plays WAV files. Each file keeps its own effect alive, so a sound started
// asynchronously plays to its end and the next play of it starts at once.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    // False, without any message, when the file is missing, is no WAV file or
    // no sound device takes it; the caller then beeps.
    bool play(const std::filesystem::path& file, bool synchronous) override;
    void beep() override;

private:
    QSoundEffect& effectFor(const std::filesystem::path& file);

    std::map<std::filesystem::path, std::unique_ptr<QSoundEffect>> effects_;
};

} // namespace platform::qt
