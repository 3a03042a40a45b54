// The cost at an exercise's end of writing its row to the progress history,
// on a history that already holds a learner's years of practice.
#include "history/store.h"
#include "temporary_directory.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kStoredExercises = 10'000;

history::ExerciseRow row() {
    return {"ANNA", "2026-01-05T09:00:00", 7, "word", true, 840, 12, 300.0, 168.0, 1.43, "German"};
}

// The faults of a typical exercise: a dozen, over eight pairs.
std::vector<history::KeyFault> faults() {
    std::vector<history::KeyFault> f;
    for (char c = 'a'; c < 'i'; ++c) {
        f.push_back({std::string(1, c), std::string(1, static_cast<char>(c + 1)), c < 'e' ? 2 : 1});
    }
    return f;
}

// A folder of its own with a history of kStoredExercises rows, removed at the end.
struct FilledHistory {
    FilledHistory() {
        history::Store store(file());
        for (int i = 0; i < kStoredExercises; ++i) {
            store.record(row(), faults());
        }
    }
    std::filesystem::path file() const { return folder / "history.sqlite"; }
    TemporaryDirectory folder;
};

FilledHistory& filled() {
    static FilledHistory history;
    return history;
}

// Every exercise after the first of a run: the connection is open.
void HistoryWriteOneExercise(benchmark::State& state) {
    history::Store store(filled().file());
    store.record(row(), faults());
    const auto f = faults();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.record(row(), f));
    }
}
BENCHMARK(HistoryWriteOneExercise)->Unit(benchmark::kMillisecond);

// The first exercise of a run: opening and the schema too. Closing (the
// last connection's checkpoint) belongs to the program's end and is not timed.
void HistoryOpenAndWriteFirstExercise(benchmark::State& state) {
    const auto f = faults();
    for (auto _ : state) {
        auto store = std::make_unique<history::Store>(filled().file());
        benchmark::DoNotOptimize(store->record(row(), f));
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(HistoryOpenAndWriteFirstExercise)->Unit(benchmark::kMillisecond);

} // namespace
