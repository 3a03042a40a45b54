#pragma once

#include <QEvent>
#include <QPointF>
#include <QPointer>
#include <QWidget>

class QInputEvent;

namespace platform::qt {

// Qt offers a key or mouse event that a widget ignored to each of its
// parents in turn (a mouse event as a copy), and an application event filter
// sees every offer. Handlers must run once, where the event first arrived;
// this tells the offers apart.
class FirstArrival {
public:
    // False when this is the last seen event offered to a parent of the
    // widget that saw it before. Give it every key or mouse button event.
    bool check(const QInputEvent& event, QWidget& receiver);

private:
    struct Signature {
        QEvent::Type type = QEvent::None;
        quint64 timestamp = 0;
        int detail = 0;
        QPointF where;
        bool operator==(const Signature&) const = default;
    };
    static Signature signatureOf(const QInputEvent& event);

    Signature last_;
    QPointer<QWidget> receiver_;
};

} // namespace platform::qt
