#include "platform/qt/panel_widget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace platform::qt {
namespace {

// How much of the panel the ink of a shrunk character may fill.
constexpr double kInkShare = 0.92;

// A caption as shown: "&&" is one ampersand, a single "&" marks a mnemonic.
QString withoutMnemonics(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

} // namespace

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
    const QRect room = contentsRect();
    if (QFontMetrics(font()).height() <= room.height()) {
        painter.drawText(room, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextHideMnemonic,
                         caption_);
        return;
    }
    drawInkCentred(painter, room);
}

// A character whose font is taller than the panel would lose its descender or
// accent to a centred line box: its ink is centred instead, and shrunk to fit.
void PanelWidget::drawInkCentred(QPainter& painter, const QRectF& room) {
    const QString shown = withoutMnemonics(caption_);
    QFont shownFont = font();
    QRectF ink = QFontMetricsF(shownFont).tightBoundingRect(shown);
    const double fit = std::min({1.0, kInkShare * room.height() / std::max(ink.height(), 1.0),
                                 kInkShare * room.width() / std::max(ink.width(), 1.0)});
    if (fit < 1.0) {
        if (shownFont.pixelSize() > 0) {
            shownFont.setPixelSize(std::max(1, static_cast<int>(shownFont.pixelSize() * fit)));
        } else {
            shownFont.setPointSizeF(std::max(1.0, shownFont.pointSizeF() * fit));
        }
        ink = QFontMetricsF(shownFont).tightBoundingRect(shown);
    }
    painter.setFont(shownFont);
    const QPointF baseline(room.center().x() - ink.center().x(),
                           room.center().y() - ink.center().y());
    painter.drawText(baseline, shown);
}

} // namespace platform::qt
