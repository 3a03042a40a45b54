#include "platform/qt/shape_widget.h"

#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

// A key with its marker hanging over its corner, as on the keyboard.
struct MarkedKey {
    QWidget key;
    platform::qt::ShapeWidget* marker = nullptr;

    explicit MarkedKey(const QColor& ground) {
        key.resize(65, 65);
        key.setAutoFillBackground(true);
        setGround(ground);
        marker = new platform::qt::ShapeWidget(&key); // owned by the key
        marker->setGeometry(38, 38, 54, 54);
        marker->setLook(form::ShapeStyle{}, 0xFFFFFF);
    }
    void setGround(const QColor& ground) {
        QPalette palette = key.palette();
        palette.setColor(QPalette::Window, ground);
        key.setPalette(palette);
    }
    QImage shot() { return key.grab().toImage(); }
};

TEST(ShapeWidget, AMarkerShownAgainLooksAsFirstDrawnAndOnANewGroundAsDrawnThere) {
    MarkedKey lit(Qt::gray);
    const QImage first = lit.shot();
    lit.marker->setShown(false);
    EXPECT_NE(lit.shot(), first);
    lit.marker->setShown(true);
    EXPECT_EQ(lit.shot(), first); // put back from what it kept
    EXPECT_EQ(lit.shot(), first);

    // The antialiased edge blends with what lies beneath: a new ground is
    // drawn on, not covered with the old copy.
    lit.setGround(Qt::blue);
    EXPECT_EQ(lit.shot(), MarkedKey(Qt::blue).shot());
    lit.marker->setLook(form::ShapeStyle{true, 0x0000FF, 3, true}, 0x00FF00);
    MarkedKey circle(Qt::blue);
    circle.marker->setLook(form::ShapeStyle{true, 0x0000FF, 3, true}, 0x00FF00);
    EXPECT_EQ(lit.shot(), circle.shot());
}

} // namespace
