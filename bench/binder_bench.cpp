// The cost of one binder sync, which follows every event the window delivers.
#include "form/tform1.h"
#include "platform/qt/binder.h"
#include "qt_application.h"

#include <QApplication>
#include <QMainWindow>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

// The main window as the program shows it on a 1024-pixel-wide screen.
struct ShownWindow {
    ShownWindow() {
        form.scaleBy(1024, 800);
        binder.sync();
        binder.window().show();
        QApplication::processEvents();
    }

    QApplication& app = bench::application(); // before any widget
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

namespace {

// The own-text practice moves Memo4's selection on every keystroke.
void syncMemo4Selection(benchmark::State& state, std::vector<std::string> lines) {
    ShownWindow shown;
    shown.form.Memo4.setLines(std::move(lines));
    shown.binder.sync();
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % 50;
        shown.form.Memo4.setSelStart(position);
        shown.form.Memo4.setSelLength(1);
        shown.binder.sync();
    }
}

// Memo4 as the practice shows it: the current line and 99 after it.
void BinderSyncOwnTextSelectionInLines(benchmark::State& state) {
    syncMemo4Selection(state, std::vector<std::string>(100, std::string(60, 'a')));
}
BENCHMARK(BinderSyncOwnTextSelectionInLines);

// A text that is one line of a megabyte.
void BinderSyncOwnTextSelectionInMegabyteLine(benchmark::State& state) {
    syncMemo4Selection(state, {std::string(1024 * 1024 - 64, 'a')});
}
BENCHMARK(BinderSyncOwnTextSelectionInMegabyteLine);

} // namespace
