#include "platform/qt/panel_widget.h"

#include "platform/qt/paint_target.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace platform::qt {
namespace {

// How much of the panel the ink of a shrunk character may fill.
constexpr double kInkShare = 0.92;
// Antialiasing and hinting may reach this far beyond a glyph's box.
constexpr int kInkMargin = 2;
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextHideMnemonic;
// Captions whose placement is kept; an own text's letters stay well below.
constexpr qsizetype kKeptPlacements = 256;
// Fonts whose placements are kept: the big letter switches between the
// letters' font and a smaller one for "Space".
constexpr std::size_t kKeptFonts = 4;
// Pixels of caption pictures kept a panel (2 MiB): a dozen big letters.
constexpr qint64 kKeptPicturePixels = qint64{1} << 19;

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

// The 3D bevel as Qt's shaded panel draws it, in solid rows and columns:
// the style's way strokes lines, costing more than the rest of a key's paint.
// Top and left rings in one colour, bottom and right in the other; each ring
// gives up its far corner to the other colour.
void drawBevel(QPainter& painter, const QRect& r, const QPalette& palette, bool sunken,
               int lineWidth) {
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor& topLeft = sunken ? dark : light;
    const QColor& bottomRight = sunken ? light : dark;
    for (int i = 0; i < lineWidth; ++i) {
        painter.fillRect(r.x(), r.y() + i, r.width() - 1 - i, 1, topLeft);
        painter.fillRect(r.x() + i, r.y(), 1, r.height() - 1 - i, topLeft);
        painter.fillRect(r.x() + i, r.bottom() - i, r.width() - i, 1, bottomRight);
        painter.fillRect(r.right() - i, r.y() + i, 1, r.height() - i, bottomRight);
    }
}

} // namespace

PanelWidget::PanelWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2); // a raised key and a pressed one must be told apart at a glance
    setAutoFillBackground(true);
}

// Hidden, the panel is painted whole when shown: its caption is measured by
// that first paint, after the window has mapped, not now.
void PanelWidget::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    if (!isVisible()) {
        caption_ = caption;
        return;
    }
    const QRect before = placed().area;
    caption_ = caption;
    updateCaptionArea(before);
}

void PanelWidget::setTextColour(const QColor& colour) {
    if (colour == textColour_) {
        return;
    }
    textColour_ = colour;
    if (isVisible()) {
        updateCaptionArea({});
    }
}

void PanelWidget::setBevel(form::BevelStyle bevel) {
    setFrameShadow(bevel == form::BevelStyle::Lowered ? QFrame::Sunken : QFrame::Raised);
}

void PanelWidget::updateCaptionArea(const QRect& before) {
    const QRect area = placed().area | before;
    if (!area.isEmpty()) {
        update(area);
    }
}

PanelWidget::Placement& PanelWidget::placed() {
    if (placedFor_ != size()) {
        forgetPlacements();
        placedFor_ = size();
    }
    auto forFont = std::find_if(placements_.begin(), placements_.end(),
                                [this](const FontPlacements& f) { return f.font == font(); });
    if (forFont == placements_.end()) {
        if (placements_.size() >= kKeptFonts) {
            forgetPlacements();
        }
        forFont = placements_.insert(placements_.end(), FontPlacements{font(), {}});
    }
    auto& byCaption = forFont->byCaption;
    const auto found = std::find_if(byCaption.begin(), byCaption.end(),
                                    [this](const auto& kept) { return kept.first == caption_; });
    if (found != byCaption.end()) {
        return found->second;
    }
    if (std::ssize(byCaption) >= kKeptPlacements) {
        forgetPlacements();
        return placed();
    }
    return byCaption.emplace_back(caption_, place(caption_)).second;
}

void PanelWidget::forgetPlacements() {
    placements_.clear();
    picturePixels_ = 0;
}

// A character whose font is taller than the panel would lose its descender or
// accent to a centred line box: its ink is centred instead, and shrunk to fit.
PanelWidget::Placement PanelWidget::place(const QString& caption) const {
    Placement p{font(), {}, true, {}, {}, {}, {}};
    if (caption.isEmpty()) {
        return p;
    }
    const QRect room = contentsRect();
    if (QFontMetrics(p.font).height() <= room.height()) {
        p.area = QFontMetrics(p.font).boundingRect(room, kCaptionFlags, caption);
    } else {
        p.centredLine = false;
        const QString shown = withoutMnemonics(caption);
        QRectF ink = QFontMetricsF(p.font).tightBoundingRect(shown);
        const double fit = std::min({1.0, kInkShare * room.height() / std::max(ink.height(), 1.0),
                                     kInkShare * room.width() / std::max(ink.width(), 1.0)});
        if (fit < 1.0) {
            if (p.font.pixelSize() > 0) {
                p.font.setPixelSize(std::max(1, static_cast<int>(p.font.pixelSize() * fit)));
            } else {
                p.font.setPointSizeF(std::max(1.0, p.font.pointSizeF() * fit));
            }
            ink = QFontMetricsF(p.font).tightBoundingRect(shown);
        }
        const QPointF centre = QRectF(room).center();
        p.baseline = QPointF(centre.x() - ink.center().x(), centre.y() - ink.center().y());
        p.area = ink.translated(p.baseline).toAlignedRect();
    }
    p.area = p.area.adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin) & room;
    return p;
}

void PanelWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // A new caption repaints only inside the bevel, which is then left alone.
    if (!contentsRect().contains(event->rect())) {
        paintBevel(painter);
    }
    if (caption_.isEmpty()) {
        return;
    }
    Placement& p = placed();
    if (const QImage* picture = pictureOf(p, painter)) {
        painter.drawImage(p.area.topLeft(), *picture);
        return;
    }
    paintCaption(painter, p);
}

QColor PanelWidget::captionColour() const {
    // Disabled, the palette's grey, as for every other control.
    return isEnabled() ? textColour_ : palette().color(QPalette::WindowText);
}

void PanelWidget::paintCaption(QPainter& painter, const Placement& p) const {
    painter.setPen(captionColour());
    painter.setFont(p.font);
    if (p.centredLine) {
        painter.drawText(contentsRect(), kCaptionFlags, caption_);
        return;
    }
    painter.drawText(p.baseline, withoutMnemonics(caption_));
}

// A caption shown a second time on the same solid ground is copied from a
// picture of its area: a big letter is filled as a path on every paint, and
// the letters of an exercise come back all the time. The picture is drawn as
// the paint event draws, into an image of the target's own format, so the
// copy is the same pixel for pixel.
const QImage* PanelWidget::pictureOf(Placement& p, const QPainter& painter) {
    const QImage* target = readableTarget(painter);
    const QBrush& ground = palette().brush(backgroundRole());
    if (target == nullptr || !autoFillBackground() || ground.style() != Qt::SolidPattern ||
        !ground.isOpaque() || p.area.isEmpty()) {
        return nullptr;
    }
    const PictureLook look{ground.color().rgba(), target->format()};
    if (look != pictureLook_) {
        dropPictures();
        pictureLook_ = look;
    }
    // The big letter takes its finger's colour.
    const QRgb colour = captionColour().rgba();
    if (!p.picture.isNull() && p.pictureColour == colour) {
        return &p.picture;
    }
    if (p.shownIn != colour) {
        p.shownIn = colour; // a caption shown once in a colour keeps no picture
        return nullptr;
    }
    const qint64 pixels = pixelsOf(p.area);
    if (!p.picture.isNull()) {
        picturePixels_ -= pixels;
    }
    if (picturePixels_ + pixels > kKeptPicturePixels) {
        dropPictures();
    }
    p.picture = QImage(p.area.size(), target->format());
    p.pictureColour = colour;
    QPainter picture(&p.picture);
    picture.translate(-p.area.topLeft());
    picture.fillRect(p.area, ground);
    paintCaption(picture, p);
    picturePixels_ += pixels;
    return &p.picture;
}

void PanelWidget::dropPictures() {
    for (FontPlacements& forFont : placements_) {
        for (auto& [caption, p] : forFont.byCaption) {
            p.picture = QImage();
        }
    }
    picturePixels_ = 0;
}

void PanelWidget::paintBevel(QPainter& painter) {
    const bool shaded = frameShape() == QFrame::Panel && frameShadow() != QFrame::Plain;
    const QRect frame = frameRect();
    if (!shaded || frame.width() <= 2 * lineWidth() || frame.height() <= 2 * lineWidth()) {
        drawFrame(&painter);
        return;
    }
    drawBevel(painter, frame, palette(), frameShadow() == QFrame::Sunken, lineWidth());
}

} // namespace platform::qt
