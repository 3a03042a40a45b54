#pragma once

#include "form/control.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QHash>
#include <QString>

class QPainter;

namespace platform::qt {

// A panel: its own background, a raised or lowered 3D bevel, and its caption
// centred in its font and text colour. A new caption or text colour repaints
// only where the old and the new caption lie, not the whole panel: the big
// letter of an exercise changes with every keystroke.
class PanelWidget : public QFrame {
public:
    explicit PanelWidget(QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setBevel(form::BevelStyle bevel);
    void setTextColour(const QColor& colour);
    const QColor& textColour() const { return textColour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where and in which font a caption is drawn, and the pixels it may touch.
    struct Placement {
        QFont font;
        QPointF baseline; // drawn from here when `centredLine` is false
        bool centredLine = true;
        QRect area;
    };
    Placement place(const QString& caption) const;
    // The caption's placement, measured once for its font and size.
    const Placement& placed();
    void updateCaptionArea(const QRect& before);
    void paintBevel(QPainter& painter);

    QString caption_;
    // By caption, for the present font and size: the big letter comes back
    // to the same few letters, and measuring one lays its text out.
    QHash<QString, Placement> placements_;
    QSize placedFor_;
    QFont placedFont_;
    QColor textColour_ = Qt::black;
};

} // namespace platform::qt
