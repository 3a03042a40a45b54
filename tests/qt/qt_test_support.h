#pragma once

#include "platform/qt/binder.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <utility>

namespace qt_test {

// What a widget is asked to repaint: the union of its paint events' regions.
// Counts the paints too, and takes only what was painted before take().
class PaintedArea : public QObject {
public:
    explicit PaintedArea(QWidget& widget) { widget.installEventFilter(this); }
    QRegion take() {
        QApplication::processEvents();
        return takeWithoutWaiting();
    }
    // What has been painted so far, with no pending event processed first.
    QRegion takeWithoutWaiting() { return std::exchange(region_, QRegion()); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            region_ += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QRegion region_;
};

// The widget drawn whole over a plain ground, as a window shows it.
inline QImage drawnWhole(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(237, 237, 237));
    widget.render(&image);
    return image;
}

// What a window showing `window` holds once `region` of the widget is
// repainted: the region lands with its bounding rectangle at its own place.
inline void repaintInto(QImage& window, QWidget& widget, const QRegion& region) {
    if (!region.isEmpty()) {
        widget.render(&window, region.boundingRect().topLeft(), region);
    }
}

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
