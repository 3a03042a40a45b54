#pragma once

#include "platform/qt/binder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

// Input as the window system delivers it, sent straight to one widget.
namespace qt_test {

inline void pressKey(QWidget& receiver, int key, const QString& text = {},
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&receiver, &release);
}

// Types letters (and other characters, as keys Qt has no name for).
inline void typeText(QWidget& receiver, const QString& text) {
    for (const QChar c : text) {
        const bool letter = c.toUpper() >= u'A' && c.toUpper() <= u'Z';
        pressKey(receiver, letter ? Qt::Key_A + (c.toUpper().unicode() - u'A') : Qt::Key_unknown,
                 QString(c));
    }
}

inline void mouse(QWidget& receiver, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at(2, 2);
    QMouseEvent event(type, at, receiver.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&receiver, &event);
}

inline void click(QWidget& receiver) {
    mouse(receiver, QEvent::MouseButtonPress);
    mouse(receiver, QEvent::MouseButtonRelease);
}

// Runs the event loop until `done` holds or the time is up.
template <class Condition> bool waitFor(Condition done, int milliseconds = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return waitFor([&] { return QApplication::activeWindow() == &window; });
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
