#include "platform/qt/picture_widget.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <system_error>

namespace platform::qt {
namespace {

bool isSvg(const QString& file) {
    return file.endsWith(".svg", Qt::CaseInsensitive);
}

// An SVG drawn crisply at twice the size it is shown at, then reduced to that
// size (in device pixels) as the label would reduce it: only the reduced
// image is kept, a quarter of the memory. Safe outside the GUI thread: it
// paints into an image, never a pixmap.
QImage drawSvg(const QString& file, QSize size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        return {};
    }
    size = size.expandedTo({1, 1});
    QImage twice(renderer.defaultSize().scaled(size * 2, Qt::KeepAspectRatio),
                 QImage::Format_ARGB32_Premultiplied);
    twice.fill(Qt::transparent);
    {
        QPainter painter(&twice);
        renderer.render(&painter);
    }
    return twice.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

PictureWidget::PictureWidget(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
}

void PictureWidget::setPicture(const QString& file, QSize size) {
    setPixmap(QPixmap());
    file_ = file;
    pending_ = file.isEmpty() ? QString() : file;
    size_ = deviceSize(size);
    drawing_ = {};
    if (isVisible()) {
        load();
        return;
    }
    // Given before its window shows (the logo of the first screen), a drawing
    // is made on another core while the rest of the window is built.
    if (!isSvg(pending_)) {
        return;
    }
    try {
        drawing_ = std::async(std::launch::async, drawSvg, pending_, size_);
    } catch (const std::system_error&) {
        // No thread to be had: it is drawn when shown.
    }
}

void PictureWidget::showEvent(QShowEvent* event) {
    load();
    QLabel::showEvent(event);
}

// An SVG kept at its shown size is drawn again for a new one, not stretched.
void PictureWidget::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!loaded() || !isSvg(file_) || deviceSize(size()) == size_) {
        return;
    }
    size_ = deviceSize(size());
    setPixmap(QPixmap::fromImage(drawSvg(file_, size_)));
}

QSize PictureWidget::deviceSize(QSize size) const {
    return (QSizeF(size) * devicePixelRatioF()).toSize();
}

void PictureWidget::load() {
    if (loaded()) {
        return;
    }
    if (drawing_.valid()) {
        setPixmap(QPixmap::fromImage(drawing_.get()));
    } else if (isSvg(pending_)) {
        setPixmap(QPixmap::fromImage(drawSvg(pending_, size_)));
    } else {
        setPixmap(QPixmap(pending_));
    }
    pending_ = QString();
}

} // namespace platform::qt
