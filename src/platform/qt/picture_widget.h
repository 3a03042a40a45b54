#pragma once

#include <QImage>
#include <QLabel>
#include <QString>
#include <future>

namespace platform::qt {

// A picture from a file, scaled to the widget: SVG drawn crisply at twice
// the given size and kept reduced to it, anything else as Qt reads it; a
// missing file shows nothing.
// The file is read when the widget is first shown, as most pictures sit on
// screens that start hidden; an SVG given while the widget is hidden is
// drawn meanwhile on another thread.
class PictureWidget : public QLabel {
public:
    explicit PictureWidget(QWidget* parent);
    void setPicture(const QString& file, QSize size);
    bool loaded() const { return pending_.isNull(); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void load();
    QSize deviceSize(QSize size) const;

    QString file_;
    QString pending_;
    QSize size_; // in device pixels
    std::future<QImage> drawing_;
};

} // namespace platform::qt
