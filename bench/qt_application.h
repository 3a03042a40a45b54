#pragma once

#include <QApplication>
#include <memory>

namespace bench {

// One offscreen application for the whole run, made on first use. It is
// never destroyed: Qt's own statics, made while it starts, would be gone
// before its destructor ran at exit.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "clavora_bench";
    static char* argv[] = {name, nullptr};
    static QApplication& app = []() -> QApplication& {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return *std::make_unique<QApplication>(argc, argv).release();
    }();
    return app;
}

} // namespace bench
