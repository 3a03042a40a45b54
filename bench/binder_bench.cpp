// The cost of one binder sync, which follows every event the window delivers.
#include "form/tform1.h"
#include "platform/qt/binder.h"

#include <QApplication>
#include <QMainWindow>
#include <benchmark/benchmark.h>
#include <string>

namespace {

// One offscreen application for the whole run, made on first use.
QApplication& application() {
    static int argc = 1;
    static char name[] = "clavora_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication instance(argc, argv);
        return &instance;
    }();
    return *app;
}

// The main window as the program shows it on a 1024-pixel-wide screen.
struct ShownWindow {
    ShownWindow() {
        form.scaleBy(1024, 800);
        binder.sync();
        binder.window().show();
        QApplication::processEvents();
    }

    QApplication& app = application(); // before any widget
    form::Tform1 form;
    platform::qt::Binder binder{form};
};

void BinderSyncNothingChanged(benchmark::State& state) {
    ShownWindow shown;
    for (auto _ : state) {
        shown.binder.sync();
    }
}
BENCHMARK(BinderSyncNothingChanged);

void BinderSyncOneLabelChanged(benchmark::State& state) {
    ShownWindow shown;
    const std::string captions[] = {"Keystrokes: 1", "Keystrokes: 2"};
    std::size_t next = 0;
    for (auto _ : state) {
        shown.form.Label24.setCaption(captions[next]);
        next ^= 1U;
        shown.binder.sync();
    }
}
BENCHMARK(BinderSyncOneLabelChanged);

} // namespace
