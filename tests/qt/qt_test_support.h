#pragma once

#include "platform/qt/binder.h"

#include <QTest>
#include <QWidget>
#include <stdexcept>

namespace qt_test {

// A key whose text QTest cannot derive from its key code: a character
// outside Latin-1 (€, ł) or a text that differs from the key's own.
inline void keyWithText(QWidget& receiver, Qt::Key key, const QString& text,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Click, &receiver, key, text, modifiers);
}

inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

template <class Widget>
Widget& widgetOf(const platform::qt::Binder& binder, const form::Control& control) {
    auto* widget = qobject_cast<Widget*>(binder.widgetOf(control));
    if (widget == nullptr) {
        throw std::logic_error(control.name() + " has no widget of the expected class");
    }
    return *widget;
}

} // namespace qt_test
