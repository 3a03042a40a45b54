#pragma once

#include <QMainWindow>
#include <functional>

namespace platform::qt {

// The top-level window. It only reports: whether it may close is the
// callback's decision, and it says when it gains or loses activation.
class MainWindow : public QMainWindow {
public:
    MainWindow() = default;

    std::function<bool()> closeAllowed;
    std::function<void(bool active)> activationChanged;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace platform::qt
