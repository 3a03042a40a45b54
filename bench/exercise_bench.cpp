#include "app/program.h"
#include "course/wortzeilen.h"
#include "exercises/zeilenziehung.h"
#include "platform/fakes/fakes.h"

#include <benchmark/benchmark.h>
#include <filesystem>

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

namespace {

// A running word exercise of a lesson on a layout, past its start prompt.
struct RunningWordExercise {
    RunningWordExercise(int lektion, std::uint8_t tastaturcode)
        : program(platform.services, std::filesystem::temp_directory_path()) {
        program.init();
        auto& s = program.state();
        s.lektion = static_cast<std::uint8_t>(lektion);
        s.lektionsteil = 1;
        s.tastaturcode = tastaturcode;
        s.korrekturerzwingen = true;
        s.wunschanschlaege = 1000; // no completion while measuring
        program.window().BitBtn2.onClick();
        program.window().dispatchKey('x');
    }
    std::uint8_t expected() {
        const auto& s = program.state();
        return static_cast<std::uint8_t>(course::wortzeile(s.wortzeile)[s.wortzeichenposition - 1]);
    }

    platform::fakes::FakePlatform platform;
    Program program;
};

void WordKeystrokeThroughTheRouter(benchmark::State& state) {
    RunningWordExercise run(9, 3);
    for (auto _ : state) {
        run.program.window().dispatchKey(run.expected());
    }
}
BENCHMARK(WordKeystrokeThroughTheRouter);

// Lesson 15 on the American layout: the draw must pass the layout filter.
void LineDrawAmericanLessonFifteen(benchmark::State& state) {
    RunningWordExercise run(15, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(exercises::zeileZiehen(run.program.context()));
        run.program.state().vorherigewortzeile = run.program.state().wortzeile;
    }
}
BENCHMARK(LineDrawAmericanLessonFifteen);

} // namespace
