// Opening the Progress screen on a learner's years of practice: the history
// read, the charts and key tints laid out, and the window drawn.
#include "app/program.h"
#include "history/store.h"
#include "platform/fakes/fakes.h"
#include "platform/qt/binder.h"
#include "qt_application.h"
#include "temporary_directory.h"

#include <QApplication>
#include <QMainWindow>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kStoredExercises = 10'000;
constexpr const char* kKinds[] = {"letter", "word", "word", "owntext", "examination"};

// A folder whose history holds kStoredExercises exercises of ANNA, each with
// its faults and the strokes of a lesson's keys; removed at the end.
struct YearsOfPractice {
    YearsOfPractice() {
        history::Store store(folder / "history.sqlite");
        const std::string keys = "asdfjkl;ghqwertzuiop";
        for (int i = 0; i < kStoredExercises; ++i) {
            history::ExerciseRow row{
                "ANNA",         "2026-01-05T09:00:00", 1 + i % 16, kKinds[i % 5],
                true,           600 + i % 300,         i % 17,     180.0,
                200.0 + i % 90, (i % 17) / 6.0,        "German"};
            std::vector<history::KeyFault> faults;
            std::vector<history::KeyStrokes> strokes;
            for (std::size_t k = 0; k < keys.size(); ++k) {
                strokes.push_back({std::string(1, keys[k]), 30 + static_cast<int>(k)});
                if ((i + static_cast<int>(k)) % 7 == 0) {
                    faults.push_back({std::string(1, keys[k]),
                                      std::string(1, keys[(k + 1) % keys.size()]), 1 + i % 3});
                }
            }
            store.record(row, faults, strokes);
        }
    }
    TemporaryDirectory folder;
};

YearsOfPractice& practice() {
    static YearsOfPractice years;
    return years;
}

void HistoryReadTenThousandExercises(benchmark::State& state) {
    history::Store store(practice().folder / "history.sqlite");
    history::Progress progress;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.read("ANNA", progress));
    }
}
BENCHMARK(HistoryReadTenThousandExercises)->Unit(benchmark::kMillisecond);

// From the click on "Progress" to the window drawn with both charts, the
// tinted keys and the pairs, as the learner waits for it.
void ProgressScreenOpensOnTenThousandExercises(benchmark::State& state) {
    bench::application();
    platform::fakes::FakePlatform fakes(1, {1024, 768, 96});
    Program program(fakes.services, practice().folder.path());
    program.init();
    auto& f = program.window();
    platform::qt::Binder binder(f);
    binder.window().show();
    f.setFocused(&f.ComboBox1);
    f.ComboBox1.setText("anna");
    f.dispatchKey(13);
    f.Button22.onClick();
    binder.sync();
    QApplication::processEvents();
    for (auto _ : state) {
        f.ButtonProgress.onClick();
        binder.sync();
        benchmark::DoNotOptimize(binder.window().grab());
        state.PauseTiming();
        f.Button22.onClick();
        binder.sync();
        state.ResumeTiming();
    }
}
BENCHMARK(ProgressScreenOpensOnTenThousandExercises)->Unit(benchmark::kMillisecond);

} // namespace
