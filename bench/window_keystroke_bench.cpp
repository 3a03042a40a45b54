// One keystroke of the letter exercise through the real window, as Qt
// delivers it: the key event, the model, the binder's writes and the repaint.
// Offscreen, so the figure is the program's own work without the X server.
#include "app/program.h"
#include "platform/fakes/fakes.h"
#include "platform/qt/binder.h"
#include "qt_application.h"
#include "temporary_directory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

constexpr int kLesson = 3;
constexpr int kMsBetweenKeys = 11; // a fast typist, 90 keys a second

// A learner signed in at the lesson's letter exercise, in a shown window.
struct LetterExerciseOnScreen {
    LetterExerciseOnScreen() {
        program.init();
        auto& f = program.window();
        f.setFocused(&f.ComboBox1);
        f.ComboBox1.setText("anna");
        f.dispatchKey('\r');
        program.state().lektion = kLesson;
        f.BitBtn2.onClick();
        f.BitBtn3.onClick();
        f.dispatchKey('a');
        binder.sync();
        binder.window().show();
        QApplication::processEvents();
    }

    void type(char expected) {
        platform.clock.advanceMs(kMsBetweenKeys);
        QWidget* receiver = QApplication::focusWidget();
        if (receiver == nullptr) {
            receiver = &binder.window();
        }
        const QString text(QChar::fromLatin1(expected));
        const auto key = static_cast<int>(QChar::fromLatin1(expected).toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        press.setTimestamp(++timestamp);
        QApplication::sendEvent(receiver, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        release.setTimestamp(++timestamp);
        QApplication::sendEvent(receiver, &release);
        QApplication::processEvents();
    }

    char expected() {
        const auto& s = program.state();
        return static_cast<char>(s.zeichenfolge[s.zeichenindex]);
    }

    QApplication& app = bench::application(); // before any widget
    TemporaryDirectory folder;
    platform::fakes::FakePlatform platform{7, {1280, 1024, 96}};
    Program program{platform.services, folder.path()};
    platform::qt::Binder binder{program.window()};
    quint64 timestamp = 0;
};

void LetterKeystrokeInTheWindow(benchmark::State& state) {
    LetterExerciseOnScreen screen;
    for (auto _ : state) {
        screen.type(screen.expected());
        if (screen.program.state().lektionsteil != 0) {
            state.SkipWithError("the exercise ended while measuring");
            return;
        }
    }
    // Every measured key counts, after the one that started the exercise.
    const auto counted = "Keystrokes: " + std::to_string(state.iterations() + 1);
    if (screen.program.window().Label24.caption() != counted) {
        state.SkipWithError("the keys did not reach the exercise");
    }
}
BENCHMARK(LetterKeystrokeInTheWindow)->Iterations(250)->Repetitions(5);

} // namespace
