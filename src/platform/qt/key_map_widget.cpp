#include "platform/qt/key_map_widget.h"

#include "platform/qt/convert.h"

#include <QPainter>
#include <algorithm>

namespace platform::qt {
namespace {

constexpr double kSchriftAnteil = 0.42; // of a key's height
constexpr double kInnenrand = 0.9;      // of a key's width the caption may take

QRect umriss(const std::vector<form::KeyCell>& cells) {
    QRect alles;
    for (const auto& c : cells) {
        alles |= QRect(c.box.left, c.box.top, c.box.width, c.box.height);
    }
    return alles;
}

} // namespace

void KeyMapWidget::setCells(const std::vector<form::KeyCell>& cells) {
    cells_ = cells;
    update();
}

void KeyMapWidget::paintEvent(QPaintEvent*) {
    const QRect alles = umriss(cells_);
    if (alles.isEmpty()) {
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double massstab = std::min(width() / static_cast<double>(alles.width()),
                                     height() / static_cast<double>(alles.height()));
    p.translate((width() - alles.width() * massstab) / 2,
                (height() - alles.height() * massstab) / 2);
    for (const auto& c : cells_) {
        const QRectF taste((c.box.left - alles.left()) * massstab + 1,
                           (c.box.top - alles.top()) * massstab + 1, c.box.width * massstab - 2,
                           c.box.height * massstab - 2);
        p.setPen(QColor(90, 90, 90));
        p.setBrush(toQColor(c.colour));
        p.drawRoundedRect(taste, 3, 3);
        QFont schrift = font();
        schrift.setPixelSize(std::max(6, static_cast<int>(taste.height() * kSchriftAnteil)));
        const QString text = toQString(c.caption);
        while (schrift.pixelSize() > 6 &&
               QFontMetrics(schrift).horizontalAdvance(text) > taste.width() * kInnenrand) {
            schrift.setPixelSize(schrift.pixelSize() - 1);
        }
        p.setFont(schrift);
        p.setPen(toQColor(c.fontColour));
        p.drawText(taste, Qt::AlignCenter, text);
    }
}

} // namespace platform::qt
