#include "app/program.h"
#include "platform/fakes/fakes.h"
#include "users/benutzerdatei.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kBenutzer = 65535;

std::string benutzername(int nummer) {
    char name[16];
    std::snprintf(name, sizeof name, "USER%05d", nummer);
    return name;
}

// A full user file of distinct learners, written once and kept in the page
// cache by the runs themselves.
class FullUserFile {
public:
    FullUserFile() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("clavora-users-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        datei_ = users::benutzerdatei(folder_);
        std::ofstream out(datei_, std::ios::binary);
        users::Satz satz{};
        for (int nummer = 0; nummer < kBenutzer; ++nummer) {
            users::encode(users::neuerBenutzer(benutzername(nummer), {2026, 1, 5, 2}, 1920), satz);
            out.write(reinterpret_cast<const char*>(satz.data()), satz.size());
        }
    }
    ~FullUserFile() { std::filesystem::remove_all(folder_); }
    FullUserFile(const FullUserFile&) = delete;
    FullUserFile& operator=(const FullUserFile&) = delete;

    const std::filesystem::path& datei() const { return datei_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path datei_;
};

const std::filesystem::path& fullFile() {
    static const FullUserFile file;
    return file.datei();
}

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
