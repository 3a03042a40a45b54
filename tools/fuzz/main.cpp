// Robustness fuzzing of the two readers of outside files: the own-text
// loader and the RTF reader. Each gets random bytes, truncated real files and
// mutated real files; a crash or an out-of-bounds read stops the run (under
// the sanitizers), an input that takes longer than a second is a hang.
//
//   clavora-fuzz [--inputs N] [--seed S] FILE...
//
// The FILEs are the real files the truncations and mutations start from.

#include "exercises/texttasten.h"
#include "text/rtf_reader.h"
#include "text/textdatei.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kHang = std::chrono::seconds(1);
constexpr std::size_t kLongestRandom = 4096;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Inputs {
public:
    Inputs(std::vector<std::string> seeds, unsigned seed)
        : seeds_(std::move(seeds)), random_(seed) {}

    // Kind 0: random bytes; 1: a truncated real file; 2: a mutated one.
    std::string next(int kind) {
        if (kind == 0 || seeds_.empty()) {
            return randomBytes(below(kLongestRandom + 1));
        }
        const std::string& seed = seeds_[below(seeds_.size())];
        if (kind == 1) {
            return seed.substr(0, below(seed.size() + 1));
        }
        return mutated(seed);
    }

private:
    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    char randomByte() { return static_cast<char>(below(256)); }
    std::string randomBytes(std::size_t n) {
        std::string out(n, '\0');
        for (auto& c : out) {
            c = randomByte();
        }
        return out;
    }
    std::string mutated(std::string text) {
        const std::size_t changes = 1 + below(16);
        for (std::size_t i = 0; i < changes; ++i) {
            const std::size_t at = below(text.size() + 1);
            switch (below(5)) {
            case 0: // flip a bit
                if (at < text.size()) {
                    text[at] = static_cast<char>(text[at] ^ (1 << below(8)));
                }
                break;
            case 1: // a random byte in
                text.insert(at, 1, randomByte());
                break;
            case 2: // a stretch out
                text.erase(at, below(64));
                break;
            case 3: // a stretch repeated
                text.insert(at, text.substr(at, below(256)));
                break;
            default: // a byte the readers treat specially
                text.insert(at, 1, "{}\\\r\n\x85\x93\xC3\xEF\0"[below(10)]);
                break;
            }
        }
        return text;
    }

    std::vector<std::string> seeds_;
    std::mt19937 random_;
};

// Everything the program does with an own text before and while it is typed.
std::size_t ownText(const std::string& bytes) {
    const auto read = text::textAusBytes(bytes);
    if (!read.inhalt) {
        return read.fehler.size();
    }
    std::size_t sum = static_cast<std::size_t>(text::textZaehlen(read.inhalt->zeilen).laenge);
    sum += exercises::etwasZuTippen(3, read.inhalt->zeilen) ? 1 : 0;
    for (const auto& line : read.inhalt->zeilen) {
        for (const char c : exercises::uebungszeile(line)) {
            sum += exercises::tastenzeichenFuer(0, static_cast<std::uint8_t>(c));
        }
    }
    return sum;
}

std::size_t rtf(const std::string& bytes) {
    std::size_t sum = 0;
    for (const auto& paragraph : text::readRtf(bytes).paragraphs) {
        for (const auto& run : paragraph.runs) {
            sum += run.text.size();
        }
    }
    return sum;
}

struct Result {
    long inputs = 0;
    long hangs = 0;
    double seconds = 0;
    double slowest = 0;
};

Result fuzz(const std::function<std::size_t(const std::string&)>& target, Inputs& inputs,
            long count) {
    Result result;
    const auto start = Clock::now();
    volatile std::size_t sink = 0;
    for (long i = 0; i < count; ++i) {
        const std::string input = inputs.next(static_cast<int>(i % 3));
        const auto before = Clock::now();
        sink = sink + target(input);
        const auto took = Clock::now() - before;
        result.slowest = std::max(result.slowest, std::chrono::duration<double>(took).count());
        if (took > kHang) {
            ++result.hangs;
            std::cerr << "hang: input " << i << " of " << input.size() << " bytes\n";
        }
        ++result.inputs;
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

void report(const char* name, const Result& r) {
    // A crash or a sanitizer finding ends the run before this line.
    std::printf("%-16s inputs %ld  time %.1f s  slowest input %.3f s  hangs %ld\n", name, r.inputs,
                r.seconds, r.slowest, r.hangs);
}

} // namespace

int main(int argc, char** argv) {
    long count = 100000;
    unsigned seed = 12;
    std::vector<std::string> textSeeds;
    std::vector<std::string> rtfSeeds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--inputs" && i + 1 < argc) {
            count = std::stol(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<unsigned>(std::stoul(argv[++i]));
        } else {
            const bool isRtf = arg.size() > 4 && arg.substr(arg.size() - 4) == ".rtf";
            (isRtf ? rtfSeeds : textSeeds).push_back(readAll(arg));
        }
    }
    Inputs textInputs(textSeeds, seed);
    Inputs rtfInputs(rtfSeeds, seed + 1);
    const Result texts = fuzz(ownText, textInputs, count);
    report("own-text loader", texts);
    const Result rtfs = fuzz(rtf, rtfInputs, count);
    report("RTF reader", rtfs);
    return texts.hangs + rtfs.hangs == 0 ? 0 : 1;
}
