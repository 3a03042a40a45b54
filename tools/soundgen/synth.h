// Synthesis of the three feedback sounds the program plays. Header-only so the tests can
// regenerate the files and compare them with the committed ones.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace soundgen {

inline constexpr int sampleRate = 22050;
inline constexpr int bitsPerSample = 16;
inline constexpr int channels = 1;
inline constexpr std::size_t headerSize = 44;

// One overtone of a tone: a multiple of its frequency and a level relative to the fundamental.
struct Partial {
    double ratio;
    double level;
};

struct Tone {
    double frequency; // Hz
    double start;     // seconds from the beginning of the sound
    double length;    // seconds until the tone has faded to silence
    double attack;    // seconds of soft onset, so the tone does not click in
    double release;   // seconds of fade at the end, so it does not click out
    double decay;     // exponential time constant in seconds; 0 keeps the tone sustained
    std::vector<Partial> partials;
};

struct Sound {
    std::string fileName;
    double duration; // seconds
    double peak;     // loudest sample as a fraction of full scale
    std::vector<Tone> tones;
};

// Raised-cosine ramp from 0 to 1 over `width`; smoother than a linear ramp, so no audible tick.
inline double ramp(double t, double width) {
    if (t >= width) {
        return 1.0;
    }
    if (t <= 0.0) {
        return 0.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / width);
}

inline double envelope(const Tone& tone, double t) {
    const double decay = tone.decay > 0.0 ? std::exp(-t / tone.decay) : 1.0;
    return ramp(t, tone.attack) * ramp(tone.length - t, tone.release) * decay;
}

inline double waveform(const Tone& tone, double t) {
    double value = 0.0;
    for (const Partial& partial : tone.partials) {
        value +=
            partial.level * std::sin(2.0 * std::numbers::pi * tone.frequency * partial.ratio * t);
    }
    return value;
}

inline std::size_t sampleCount(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * sampleRate));
}

inline void addTone(std::vector<double>& mix, const Tone& tone) {
    const std::size_t first = sampleCount(tone.start);
    const std::size_t last = std::min(mix.size(), first + sampleCount(tone.length));
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / sampleRate;
        mix[i] += envelope(tone, t) * waveform(tone, t);
    }
}

// Scaling the mix to a fixed peak rules out clipping whatever the tones add up to.
inline std::vector<std::int16_t> render(const Sound& sound) {
    std::vector<double> mix(sampleCount(sound.duration), 0.0);
    for (const Tone& tone : sound.tones) {
        addTone(mix, tone);
    }
    double loudest = 0.0;
    for (double value : mix) {
        loudest = std::max(loudest, std::abs(value));
    }
    std::vector<std::int16_t> samples(mix.size(), 0);
    if (loudest == 0.0) {
        return samples;
    }
    const double scale = sound.peak * 32767.0 / loudest;
    std::transform(mix.begin(), mix.end(), samples.begin(), [scale](double value) {
        return static_cast<std::int16_t>(std::lround(value * scale));
    });
    return samples;
}

inline void putU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    putU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    putU16(out, static_cast<std::uint16_t>(value >> 16));
}

inline void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

// A canonical 44-byte RIFF/WAVE header followed by little-endian 16-bit PCM, written field by
// field so the result does not depend on the host's byte order or struct padding.
inline std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;
    std::vector<std::uint8_t> out;
    out.reserve(headerSize + dataSize);
    putTag(out, "RIFF");
    putU32(out, static_cast<std::uint32_t>(headerSize - 8) + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1);
    putU16(out, channels);
    putU32(out, sampleRate);
    putU32(out, sampleRate * blockAlign);
    putU16(out, blockAlign);
    putU16(out, bitsPerSample);
    putTag(out, "data");
    putU32(out, dataSize);
    for (std::int16_t sample : samples) {
        putU16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

// A struck note: near-instant onset, exponential decay, a short fade so it ends in silence.
inline Tone chime(double frequency, double start, double length, double decay,
                  const std::vector<Partial>& partials) {
    return {.frequency = frequency,
            .start = start,
            .length = length,
            .attack = 0.005,
            .release = 0.06,
            .decay = decay,
            .partials = partials};
}

// A typing fault: a quiet, low, rough buzz. Two tones a semitone apart beat against each other,
// and the odd harmonics give the buzz without being shrill. The slower attack keeps it soft.
inline Sound errorSound() {
    const std::vector<Partial> buzz{{1.0, 1.0}, {3.0, 0.3}, {5.0, 0.12}};
    const auto tone = [&buzz](double frequency) {
        return Tone{.frequency = frequency,
                    .start = 0.0,
                    .length = 0.15,
                    .attack = 0.012,
                    .release = 0.05,
                    .decay = 0.0,
                    .partials = buzz};
    };
    return {.fileName = "Error.wav",
            .duration = 0.15,
            .peak = 0.4,
            .tones = {tone(220.0), tone(233.08)}};
}

// An exercise finished with several faults: a plain "ding-dong", E5 falling to C5.
inline Sound approval1Sound() {
    const std::vector<Partial> bell{{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}};
    return {.fileName = "Approval1.wav",
            .duration = 0.5,
            .peak = 0.6,
            .tones = {chime(659.25, 0.0, 0.26, 0.12, bell), chime(523.25, 0.16, 0.34, 0.15, bell)}};
}

// An exercise finished with few faults: a rising E5-G5-C6 arpeggio with more overtones than
// the ding-dong, so it sounds brighter; the top note rings on.
inline Sound approval2Sound() {
    const std::vector<Partial> bright{{1.0, 1.0}, {2.0, 0.5}, {3.0, 0.25}, {4.0, 0.12}};
    return {.fileName = "Approval2.wav",
            .duration = 0.7,
            .peak = 0.6,
            .tones = {chime(659.25, 0.0, 0.22, 0.10, bright),
                      chime(783.99, 0.11, 0.22, 0.10, bright),
                      chime(1046.50, 0.22, 0.48, 0.20, bright)}};
}

inline std::vector<Sound> allSounds() {
    return {errorSound(), approval1Sound(), approval2Sound()};
}

inline bool writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

// Writes every sound into `folder`. Returns the first path that could not be written.
inline std::optional<std::filesystem::path> writeAll(const std::filesystem::path& folder) {
    for (const Sound& sound : allSounds()) {
        const std::filesystem::path path = folder / sound.fileName;
        if (!writeFile(path, encodeWav(render(sound)))) {
            return path;
        }
    }
    return std::nullopt;
}

} // namespace soundgen
