#include "../tools/soundgen/synth.h"
#include "temporary_directory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Read back independently of the encoder, so a byte-order slip in either shows up.
std::uint32_t u32At(const Bytes& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t u16At(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::string tagAt(const Bytes& bytes, std::size_t offset) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4)};
}

std::vector<std::int16_t> samplesOf(const Bytes& wav) {
    std::vector<std::int16_t> samples;
    for (std::size_t offset = soundgen::headerSize; offset + 1 < wav.size(); offset += 2) {
        samples.push_back(static_cast<std::int16_t>(u16At(wav, offset)));
    }
    return samples;
}

int peakOf(const std::vector<std::int16_t>& samples) {
    int loudest = 0;
    for (std::int16_t sample : samples) {
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

double secondsOf(const Bytes& wav) {
    return static_cast<double>(wav.size() - soundgen::headerSize) / 2.0 / soundgen::sampleRate;
}

struct Expected {
    std::string fileName;
    double shortest;
    double longest;
};

const std::vector<Expected> expectedSounds{
    {"Error.wav", 0.12, 0.18}, {"Approval1.wav", 0.4, 0.6}, {"Approval2.wav", 0.6, 0.8}};

Bytes committed(const std::string& fileName) {
    return readFile(std::filesystem::path(CLAVORA_ASSETS) / fileName);
}

} // namespace

// Runs the whole generator, so a change to the recipe without regenerating the files, or a
// hand-edited file, fails here.
TEST(SoundFiles, CommittedAssetsAreExactlyWhatTheGeneratorWrites) {
    const TemporaryDirectory folder;
    ASSERT_FALSE(soundgen::writeAll(folder.path()).has_value());
    for (const Expected& expected : expectedSounds) {
        SCOPED_TRACE(expected.fileName);
        const Bytes onDisk = committed(expected.fileName);
        ASSERT_FALSE(onDisk.empty()) << "missing from " << CLAVORA_ASSETS;
        EXPECT_TRUE(readFile(folder / expected.fileName) == onDisk)
            << "regenerate with: clavora-soundgen assets";
    }
}

TEST(SoundFiles, HaveACanonicalMonoPcmHeader) {
    for (const Expected& expected : expectedSounds) {
        SCOPED_TRACE(expected.fileName);
        const Bytes wav = committed(expected.fileName);
        ASSERT_GT(wav.size(), soundgen::headerSize);
        EXPECT_EQ(tagAt(wav, 0), "RIFF");
        EXPECT_EQ(u32At(wav, 4), wav.size() - 8);
        EXPECT_EQ(tagAt(wav, 8), "WAVE");
        EXPECT_EQ(tagAt(wav, 12), "fmt ");
        EXPECT_EQ(u32At(wav, 16), 16u);
        EXPECT_EQ(u16At(wav, 20), 1) << "PCM";
        EXPECT_EQ(u16At(wav, 22), 1) << "channels";
        EXPECT_EQ(u32At(wav, 24), 22050u);
        EXPECT_EQ(u32At(wav, 28), 22050u * 2) << "byte rate";
        EXPECT_EQ(u16At(wav, 32), 2) << "block align";
        EXPECT_EQ(u16At(wav, 34), 16) << "bits per sample";
        EXPECT_EQ(tagAt(wav, 36), "data");
        EXPECT_EQ(u32At(wav, 40), wav.size() - soundgen::headerSize);
        EXPECT_LT(wav.size(), 64u * 1024u);
    }
}

TEST(SoundFiles, LastAsLongAsTheirPurposeNeeds) {
    for (const Expected& expected : expectedSounds) {
        SCOPED_TRACE(expected.fileName);
        const double seconds = secondsOf(committed(expected.fileName));
        EXPECT_GE(seconds, expected.shortest);
        EXPECT_LE(seconds, expected.longest);
    }
}

TEST(SoundFiles, NeverReachFullScaleYetAreClearlyAudible) {
    for (const Expected& expected : expectedSounds) {
        SCOPED_TRACE(expected.fileName);
        const int loudest = peakOf(samplesOf(committed(expected.fileName)));
        EXPECT_LT(loudest, 32767);
        EXPECT_GT(loudest, 32767 / 4);
    }
}

TEST(SoundFiles, StartAndEndInSilenceSoTheyDoNotClick) {
    for (const Expected& expected : expectedSounds) {
        SCOPED_TRACE(expected.fileName);
        const auto samples = samplesOf(committed(expected.fileName));
        ASSERT_FALSE(samples.empty());
        EXPECT_LE(std::abs(samples.front()), 100);
        EXPECT_LE(std::abs(samples.back()), 100);
    }
}

TEST(WavEncoding, WritesSamplesLittleEndianIncludingNegativeOnes) {
    const std::vector<std::int16_t> samples{0x1234, -2, 0};
    const Bytes wav = soundgen::encodeWav(samples);
    ASSERT_EQ(wav.size(), soundgen::headerSize + 6);
    const Bytes data(wav.begin() + soundgen::headerSize, wav.end());
    EXPECT_EQ(data, (Bytes{0x34, 0x12, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(u32At(wav, 4), 36u + 6u);
    EXPECT_EQ(u32At(wav, 40), 6u);
}

TEST(Synthesis, ScalesTheLoudestSampleToTheRequestedPeak) {
    const soundgen::Sound sound{.fileName = "probe.wav",
                                .duration = 0.1,
                                .peak = 0.25,
                                .tones = {soundgen::chime(440.0, 0.0, 0.1, 0.0, {{1.0, 3.0}})}};
    EXPECT_EQ(peakOf(soundgen::render(sound)), 8192);
}

TEST(SoundWriting, ReportsTheFileItCouldNotWrite) {
    const TemporaryDirectory parent;
    const auto folder = parent / "missing";
    const auto failed = soundgen::writeAll(folder);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->string(), (folder / "Error.wav").string());
}
