#include "platform/qt/picture_widget.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace platform::qt {
namespace {

QPixmap readPicture(const QString& file, QSize size) {
    if (!file.endsWith(".svg", Qt::CaseInsensitive)) {
        return QPixmap(file);
    }
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap pixmap(renderer.defaultSize().scaled(size.expandedTo({1, 1}) * 2, Qt::KeepAspectRatio));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
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
    if (isVisible()) {
        load();
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
    setPixmap(readPicture(pending_, size_));
    pending_ = QString();
}

} // namespace platform::qt
