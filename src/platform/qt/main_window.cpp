#include "platform/qt/main_window.h"

#include <QCloseEvent>

namespace platform::qt {

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(!closeAllowed || closeAllowed());
    if (event->isAccepted() && closed) {
        closed();
    }
}

} // namespace platform::qt
