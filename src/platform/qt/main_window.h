#pragma once

#include <QMainWindow>
#include <functional>

namespace platform::qt {

// The top-level window. Whether it may close is the callback's decision.
class MainWindow : public QMainWindow {
public:
    MainWindow() = default;

    std::function<bool()> closeAllowed;
    // Runs once the window has agreed to close.
    std::function<void()> closed;

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace platform::qt
