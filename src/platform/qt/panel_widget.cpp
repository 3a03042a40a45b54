#include "platform/qt/panel_widget.h"

#include <QPainter>

namespace platform::qt {

PanelWidget::PanelWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2); // a raised key and a pressed one must be told apart at a glance
    setAutoFillBackground(true);
}

void PanelWidget::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    update();
}

void PanelWidget::setBevel(form::BevelStyle bevel) {
    setFrameShadow(bevel == form::BevelStyle::Lowered ? QFrame::Sunken : QFrame::Raised);
}

void PanelWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextHideMnemonic,
                     caption_);
}

} // namespace platform::qt
