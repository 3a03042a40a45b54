#include "platform/qt/first_arrival.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace platform::qt {

bool FirstArrival::check(const QInputEvent& event, QWidget& receiver) {
    // A new event repeats neither the last one's type (presses and releases
    // alternate) nor its time, key or place, so a match is the same event.
    const Signature signature = signatureOf(event);
    const bool passedOn =
        signature == last_ && receiver_ != nullptr && receiver.isAncestorOf(receiver_);
    last_ = signature;
    receiver_ = &receiver;
    return !passedOn;
}

FirstArrival::Signature FirstArrival::signatureOf(const QInputEvent& event) {
    Signature signature{event.type(), event.timestamp(), 0, {}};
    if (event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease) {
        signature.detail = static_cast<const QKeyEvent&>(event).key();
    } else {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        signature.detail = mouse.button();
        signature.where = mouse.globalPosition();
    }
    return signature;
}

} // namespace platform::qt
