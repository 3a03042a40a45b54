#include "platform/qt/key_grace.h"

#include <QApplication>
#include <QEvent>

namespace platform::qt {

KeyGrace::KeyGrace(QWidget& box) : box_(&box) {
    shown_.start();
    qApp->installEventFilter(this);
}

KeyGrace::~KeyGrace() {
    if (QCoreApplication::instance() != nullptr) {
        qApp->removeEventFilter(this);
    }
}

bool KeyGrace::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease ||
                     type == QEvent::ShortcutOverride;
    if (!key || shown_.elapsed() >= kGraceMs || box_ == nullptr || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != box_) {
        return false;
    }
    // Taken as handled, so no shortcut or default button fires either.
    event->accept();
    return true;
}

} // namespace platform::qt
