#include "app/program.h"
#include "keyboard/tastaturaktiviert.h"
#include "keyboard/tastaturfarben.h"
#include "platform/fakes/fakes.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// The program after start-up on fake services, on the main screen.
struct StartedProgram {
    StartedProgram() : program(platform.services, std::filesystem::temp_directory_path()) {
        program.init();
    }

    platform::fakes::FakePlatform platform;
    Program program;
};

// Alternating characters, so every call darkens one key and lights another.
void KeyHighlighterForTheNextCharacter(benchmark::State& state) {
    StartedProgram run;
    constexpr std::uint8_t kZeichen[] = {'A', 'h', ';', ' '};
    std::size_t i = 0;
    for (auto _ : state) {
        keyboard::tastaturaktiviert(run.program.context(), kZeichen[i++ % 4]);
    }
}
BENCHMARK(KeyHighlighterForTheNextCharacter);

void KeyColouringStepWhenNothingChanged(benchmark::State& state) {
    StartedProgram run;
    keyboard::tastaturfaerben(run.program.context());
    run.program.window().takeDirty();
    for (auto _ : state) {
        keyboard::tastaturfaerben(run.program.context());
    }
}
BENCHMARK(KeyColouringStepWhenNothingChanged);

} // namespace
