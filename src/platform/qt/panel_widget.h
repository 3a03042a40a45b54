#pragma once

#include "form/control.h"

#include <QFrame>
#include <QString>

class QPainter;

namespace platform::qt {

// A panel: its own background, a raised or lowered 3D bevel, and its caption
// centred in its font and font colour (the palette's Window and WindowText).
class PanelWidget : public QFrame {
public:
    explicit PanelWidget(QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setBevel(form::BevelStyle bevel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawInkCentred(QPainter& painter, const QRectF& room);

    QString caption_;
};

} // namespace platform::qt
