#include "platform/qt/group_box_widget.h"

#include <QImage>
#include <QRegion>
#include <gtest/gtest.h>

namespace {

// The box painted over a plain background, only where `region` asks.
QImage paintedOver(platform::qt::GroupBoxWidget& box, const QRegion& region) {
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(237, 237, 237));
    // The region lands with its bounding rectangle at the offset given.
    box.render(&image, region.boundingRect().topLeft(), region, QWidget::DrawChildren);
    return image;
}

// Pixels of `region` where the two images differ.
int differences(const QImage& a, const QImage& b, const QRegion& region) {
    int count = 0;
    for (const QRect& r : region) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
            }
        }
    }
    return count;
}

// Counters on a box repaint small parts of it on every keystroke; those
// parts come back from what was drawn the first time, until the box changes.
TEST(GroupBoxWidget, SmallRepaintsLookAsTheWholeBoxAlsoAfterTheBoxChanged) {
    platform::qt::GroupBoxWidget box(nullptr);
    box.setTitle(QStringLiteral("Letter-exercise lesson 3"));
    box.resize(460, 300);
    // Strips as a counter and a lit key repaint them: one on the frame's
    // corner, one on its top edge right of the title, one inside.
    const QRect corner(420, 240, 40, 60);
    const QRect top(400, 0, 40, 50);
    const QRegion parts = QRegion(20, 60, 200, 20) + QRegion(corner);
    const QImage whole = paintedOver(box, box.rect());
    for (const QRegion& region : {parts, parts, QRegion(corner), QRegion(top)}) {
        EXPECT_EQ(differences(whole, paintedOver(box, region), region), 0);
    }

    // Larger, the old corner lies inside the frame; a part within one drawn
    // before comes from its place in that one.
    box.resize(500, 340);
    EXPECT_EQ(differences(paintedOver(box, box.rect()), paintedOver(box, corner), corner), 0);
    for (const QRect& part : {QRect(300, 0, 200, 60), QRect(420, 10, 40, 30)}) {
        EXPECT_EQ(differences(paintedOver(box, box.rect()), paintedOver(box, part), part), 0);
    }
    // A taller title moves the frame's top edge down.
    box.setTitle(QStringLiteral("Word-exercise 3"));
    QFont font = box.font();
    font.setPixelSize(30);
    box.setFont(font);
    EXPECT_EQ(differences(paintedOver(box, box.rect()), paintedOver(box, top), top), 0);
}

} // namespace
