#include "app/program.h"
#include "full_user_file.h"
#include "platform/fakes/fakes.h"

#include <benchmark/benchmark.h>

namespace {

using namespace bench;

// "browse" on a full user file: the signed-in learner's record written, all
// 65535 records read and every row of the list filled.
void OpenTheListOf65535Users(benchmark::State& state) {
    const auto verzeichnis = fullFile().parent_path();
    platform::fakes::FakePlatform platform;
    Program program(platform.services, verzeichnis);
    program.init();
    auto& f = program.window();
    f.setFocused(&f.ComboBox1);
    f.ComboBox1.setText(benutzername(kBenutzer - 1));
    f.dispatchKey(13);
    for (auto _ : state) {
        f.Button11.onClick();
        if (f.StringGrid2.cells().size() != kBenutzer + 1 || !platform.messages.shown().empty()) {
            state.SkipWithError("the list did not open");
            return;
        }
    }
}
BENCHMARK(OpenTheListOf65535Users)->Unit(benchmark::kMillisecond);

} // namespace
