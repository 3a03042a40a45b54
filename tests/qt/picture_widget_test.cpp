#include "platform/qt/picture_widget.h"
#include "temporary_directory.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using platform::qt::PictureWidget;

constexpr const char* kRedSquare =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
    R"(<rect width="10" height="10" fill="#ff0000"/></svg>)";

QString fileOf(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

constexpr const char* kLogo =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="60" height="30">)"
    R"(<rect x="2" y="2" width="56" height="26" rx="4" fill="#1f2a33"/>)"
    R"(<text x="30" y="21" text-anchor="middle" font-family="DejaVu Sans")"
    R"( font-size="14" font-weight="bold" fill="#52fff6">Clav</text></svg>)";

// The look of an SVG shown at a size: drawn at twice it, smoothly reduced.
QImage drawnCrisply(const QString& file, QSize size) {
    QSvgRenderer renderer(file);
    QImage twice(size * 2, QImage::Format_ARGB32_Premultiplied);
    twice.fill(Qt::transparent);
    QPainter painter(&twice);
    renderer.render(&painter);
    painter.end();
    QImage shown(size, QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::white);
    QPainter onGround(&shown);
    onGround.drawImage(0, 0, twice.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return shown;
}

QImage shownOnWhite(QWidget& widget) {
    QImage shown(widget.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::white);
    widget.render(&shown, {}, {}, QWidget::DrawChildren);
    return shown;
}

// A hidden screen's picture costs nothing at start; it is drawn, whole and
// crisp, when its screen is shown, and a picture changed while shown is
// drawn at once.
TEST(PictureWidget, IsDrawnWhenFirstShown) {
    const TemporaryDirectory folder;
    QWidget screen;
    screen.resize(200, 200);
    PictureWidget picture(&screen);
    picture.setGeometry(10, 10, 40, 40);
    picture.setPicture(fileOf(folder.write("red.svg", kRedSquare)), QSize(40, 40));
    EXPECT_FALSE(picture.loaded());

    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    ASSERT_TRUE(picture.loaded());
    EXPECT_EQ(picture.pixmap().size(), QSize(40, 40));
    const QImage shown = picture.grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 20), QColor(Qt::red));

    picture.setPicture(fileOf(folder / "missing.svg"), QSize(40, 40));
    EXPECT_TRUE(picture.loaded());
    EXPECT_TRUE(picture.pixmap().isNull()) << "a missing file shows nothing";
}

// A drawing made on another thread while the window is built (text and all)
// is the one drawn on the spot. Only the reduced drawing is kept, and it
// looks as the label's own smooth reduction of the twice-as-large one did; a
// new size is drawn afresh, not stretched from the old.
TEST(PictureWidget, IsKeptReducedFromTwiceItsSizeWhetherDrawnBeforehandOrOnTheSpot) {
    const TemporaryDirectory folder;
    const QString file = fileOf(folder.write("logo.svg", kLogo));
    PictureWidget picture(nullptr);
    picture.resize(120, 60);
    picture.setPicture(file, QSize(120, 60));
    picture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
    const QImage beforehand = picture.pixmap().toImage();
    EXPECT_EQ(shownOnWhite(picture), drawnCrisply(file, QSize(120, 60)));

    picture.setPicture(file, QSize(120, 60));
    EXPECT_EQ(picture.pixmap().toImage(), beforehand);

    picture.resize(150, 75);
    EXPECT_EQ(picture.pixmap().size(), QSize(150, 75));
    EXPECT_EQ(shownOnWhite(picture), drawnCrisply(file, QSize(150, 75)));
}

TEST(PictureWidget, OtherPicturesAreReadAsQtReadsThem) {
    const TemporaryDirectory folder;
    QImage blue(6, 4, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QString file = fileOf(folder / "blue.png");
    ASSERT_TRUE(blue.save(file));
    PictureWidget picture(nullptr);
    picture.setPicture(file, QSize(60, 40));
    picture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
    EXPECT_EQ(picture.pixmap().size(), QSize(6, 4));
}

} // namespace
