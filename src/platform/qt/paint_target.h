#pragma once

#include <QImage>
#include <QRect>

class QPainter;

namespace platform::qt {

// The image a painter draws into (the window's raster backing store, or a
// grab), when its pixels can be read and a copy of them put back exactly: one
// device pixel a pixel, whole bytes a pixel. Null for any other device.
const QImage* readableTarget(const QPainter& painter);

// How many pixels an area holds, for keeping what is drawn within a budget.
inline qint64 pixelsOf(const QRect& area) {
    return static_cast<qint64>(area.width()) * area.height();
}

} // namespace platform::qt
