#include "platform/qt/paint_target.h"

#include <QPaintEngine>
#include <QPainter>

namespace platform::qt {

const QImage* readableTarget(const QPainter& painter) {
    const auto* target = dynamic_cast<const QImage*>(painter.paintEngine()->paintDevice());
    if (target == nullptr || target->devicePixelRatio() != 1.0 || target->depth() < 8) {
        return nullptr;
    }
    return target;
}

} // namespace platform::qt
