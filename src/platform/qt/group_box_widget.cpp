#include "platform/qt/group_box_widget.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace platform::qt {

void GroupBoxWidget::paintEvent(QPaintEvent* event) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The title's text stays in the option: the frame is placed by it.
    const QRect title =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    if (!event->region().intersects(title)) {
        option.subControls &= ~QStyle::SC_GroupBoxLabel;
    }
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace platform::qt
