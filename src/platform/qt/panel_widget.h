#pragma once

#include "form/control.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

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
        std::optional<QRgb> shownIn; // the colour it was last drawn in
        QImage picture;              // the caption on its ground, once shown again
        QRgb pictureColour = 0;
    };
    // What every picture depends on besides its caption and colour.
    struct PictureLook {
        QRgb ground = 0;
        QImage::Format format = QImage::Format_Invalid;
        bool operator==(const PictureLook&) const = default;
    };
    Placement place(const QString& caption) const;
    // The caption's placement, measured once for its font and size.
    Placement& placed();
    void updateCaptionArea(const QRect& before);
    void paintBevel(QPainter& painter);
    QColor captionColour() const;
    void paintCaption(QPainter& painter, const Placement& p) const;
    const QImage* pictureOf(Placement& p, const QPainter& painter);
    void dropPictures();

    // Placements by caption, for one font at the present size.
    struct FontPlacements {
        QFont font;
        // Searched in turn: most panels show one caption, the big letter a
        // few dozen, and a hash table would take kilobytes for each panel.
        std::vector<std::pair<QString, Placement>> byCaption;
    };
    void forgetPlacements();

    QString caption_;
    // The big letter comes back to the same few letters, and measuring one
    // lays its text out.
    std::vector<FontPlacements> placements_;
    QSize placedFor_;
    PictureLook pictureLook_;
    qint64 picturePixels_ = 0;
    QColor textColour_ = Qt::black;
};

} // namespace platform::qt
