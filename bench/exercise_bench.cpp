#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/program.h"
#include "platform/fakes/fakes.h"

namespace {

// A running letter exercise of lesson 16 (the largest pool) on fake services.
struct RunningExercise {
    RunningExercise() : program(platform.services, std::filesystem::temp_directory_path()) {
        program.init();
        program.state().lektion = 16;
        program.window().BitBtn2.onClick();
        program.window().BitBtn3.onClick();
        program.window().dispatchKey('a');
    }
    std::uint8_t expected() {
        const auto& s = program.state();
        return s.zeichenfolge[s.zeichenindex];
    }

    platform::fakes::FakePlatform platform;
    Program program;
};

void LetterKeystrokeThroughTheRouter(benchmark::State& state) {
    RunningExercise run;
    for (auto _ : state) {
        run.program.window().dispatchKey(run.expected());
        if (run.program.state().lektionsteil != 0) {
            state.PauseTiming();
            run.program.state().lektionsteil = 0;
            run.program.window().BitBtn2.onClick();
            run.program.window().BitBtn3.onClick();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(LetterKeystrokeThroughTheRouter);

void ClockTickDuringTheLetterExercise(benchmark::State& state) {
    RunningExercise run;
    for (auto _ : state) {
        run.platform.clock.advanceMs(250);
        run.program.window().Timer1.onTimer();
    }
}
BENCHMARK(ClockTickDuringTheLetterExercise);

} // namespace
