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

// An SVG drawn crisply at twice the size it is shown at. Safe outside the GUI
// thread: it paints into an image, never a pixmap.
QImage drawSvg(const QString& file, QSize size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(renderer.defaultSize().scaled(size.expandedTo({1, 1}) * 2, Qt::KeepAspectRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

PictureWidget::PictureWidget(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
}

void PictureWidget::setPicture(const QString& file, QSize size) {
    setPixmap(QPixmap());
    pending_ = file.isEmpty() ? QString() : file;
    size_ = size;
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
