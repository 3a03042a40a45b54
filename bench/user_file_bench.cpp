#include "app/program.h"
#include "full_user_file.h"
#include "platform/fakes/fakes.h"
#include "users/benutzerdatei.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

using namespace bench;

void ListTheNamesOf65535Users(benchmark::State& state) {
    const auto& datei = fullFile();
    for (auto _ : state) {
        auto namen = users::listNames(datei);
        if (!namen || namen->size() != kBenutzer) {
            state.SkipWithError("listing failed");
            return;
        }
        benchmark::DoNotOptimize(namen);
    }
}
BENCHMARK(ListTheNamesOf65535Users)->Unit(benchmark::kMillisecond);

void FindTheLastOf65535Users(benchmark::State& state) {
    const auto& datei = fullFile();
    const std::string letzter = benutzername(kBenutzer - 1);
    for (auto _ : state) {
        auto fund = users::findUser(datei, letzter);
        if (!fund || !fund->has_value()) {
            state.SkipWithError("the last user was not found");
            return;
        }
        benchmark::DoNotOptimize(fund);
    }
}
BENCHMARK(FindTheLastOf65535Users)->Unit(benchmark::kMillisecond);

void WriteOneRecord(benchmark::State& state) {
    const auto& datei = fullFile();
    users::Satz satz{};
    users::encode(users::neuerBenutzer(benutzername(32767), {2026, 1, 5, 2}, 1920), satz);
    for (auto _ : state) {
        auto bericht = users::writeRecord(datei, 32767, satz);
        if (!bericht) {
            state.SkipWithError(bericht.error().text.c_str());
            return;
        }
        benchmark::DoNotOptimize(bericht);
    }
}
BENCHMARK(WriteOneRecord)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The whole headless program started on the full user file.
void StartUpWith65535Users(benchmark::State& state) {
    const auto verzeichnis = fullFile().parent_path();
    for (auto _ : state) {
        platform::fakes::FakePlatform platform;
        Program program(platform.services, verzeichnis);
        program.init();
        benchmark::DoNotOptimize(program.state().satzanzahl);
    }
}
BENCHMARK(StartUpWith65535Users)->Unit(benchmark::kMillisecond);

void SignInOfTheLastOf65535Users(benchmark::State& state) {
    const auto verzeichnis = fullFile().parent_path();
    for (auto _ : state) {
        state.PauseTiming();
        platform::fakes::FakePlatform platform;
        Program program(platform.services, verzeichnis);
        program.init();
        auto& f = program.window();
        f.setFocused(&f.ComboBox1);
        f.ComboBox1.setText(benutzername(kBenutzer - 1));
        state.ResumeTiming();
        f.dispatchKey(13);
        if (program.state().lektion != 1) {
            state.SkipWithError("sign-in failed");
            return;
        }
    }
}
BENCHMARK(SignInOfTheLastOf65535Users)->Unit(benchmark::kMillisecond);

} // namespace
