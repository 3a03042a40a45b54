#include "app/program.h"
#include "exercises/texttasten.h"
#include "platform/fakes/fakes.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

// About a megabyte of prose in lines of 60 characters, or one line of it.
std::vector<std::string> megabyteText(bool oneLine) {
    const std::string words = "The quick brown fox jumps over the lazy dog, \x93twice\x94 \x96 ";
    std::vector<std::string> lines;
    std::string line;
    std::size_t total = 0;
    while (total < kMegabyte - 64) {
        line += words[total % words.size()];
        ++total;
        if (!oneLine && line.size() == 60) {
            lines.push_back(line);
            line.clear();
            ++total; // the line break
        }
    }
    lines.push_back(line);
    return lines;
}

// A running own-text practice of a megabyte, past its start.
struct RunningOwnText {
    explicit RunningOwnText(bool oneLine)
        : program(platform.services, std::filesystem::temp_directory_path()) {
        program.init();
        auto& f = program.window();
        f.Memo3.setLines(megabyteText(oneLine));
        program.state().textzeilen = static_cast<std::int32_t>(f.Memo3.lines().size());
        program.state().korrekturerzwingen = true;
        f.BitBtn5.onClick();
    }
    std::uint8_t expected() {
        const auto& s = program.state();
        const auto p = static_cast<std::size_t>(s.textzeichenposition);
        if (p > s.uebungszeile.size()) {
            return 13;
        }
        return exercises::tastenzeichenFuer(s.tastaturcode,
                                            static_cast<std::uint8_t>(s.uebungszeile[p - 1]));
    }

    platform::fakes::FakePlatform platform;
    Program program;
};

void ownTextKeystrokes(benchmark::State& state, bool oneLine) {
    RunningOwnText run(oneLine);
    for (auto _ : state) {
        run.program.window().dispatchKey(run.expected());
        if (!run.program.state().eigenetexteaktiv) {
            state.PauseTiming();
            run.program.window().BitBtn5.onClick();
            state.ResumeTiming();
        }
    }
}

// One right keystroke of a megabyte own text in lines of 60, Enter included.
void OwnTextKeystrokeMegabyteText(benchmark::State& state) {
    ownTextKeystrokes(state, false);
}
BENCHMARK(OwnTextKeystrokeMegabyteText);

// The same in a text that is one line of a megabyte.
void OwnTextKeystrokeMegabyteLine(benchmark::State& state) {
    ownTextKeystrokes(state, true);
}
BENCHMARK(OwnTextKeystrokeMegabyteLine);

} // namespace
