#include "platform/qt/main_window.h"

#include <QCloseEvent>

namespace platform::qt {

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(!closeAllowed || closeAllowed());
}

bool MainWindow::event(QEvent* event) {
    const bool activation =
        event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate;
    if (activation && activationChanged) {
        activationChanged(event->type() == QEvent::WindowActivate);
    }
    return QMainWindow::event(event);
}

} // namespace platform::qt
