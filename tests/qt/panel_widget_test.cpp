#include "platform/qt/panel_widget.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Rows of the panel's inside that hold any of the caption's black ink.
std::pair<int, int> inkRows(platform::qt::PanelWidget& panel) {
    const QImage image = panel.grab().toImage();
    const QRect inside = panel.contentsRect();
    int first = -1;
    int last = -1;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 64) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

TEST(PanelWidget, ALetterTallerThanThePanelIsDrawnWholeDescenderAndAccentIncluded) {
    platform::qt::PanelWidget panel(nullptr);
    panel.resize(220, 160);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel.setPalette(palette);
    QFont font("DejaVu Serif");
    font.setPixelSize(200); // the line box is far taller than the panel
    panel.setFont(font);
    const QRect inside = panel.contentsRect();
    for (const QString& letter : {QStringLiteral("g"), QStringLiteral("j"), QString(QChar(0xD6))}) {
        panel.setCaption(letter);
        const auto [top, bottom] = inkRows(panel);
        ASSERT_GE(top, 0) << letter.toStdString();
        // Clipped ink would run into the first or last row of the inside.
        EXPECT_GT(top, inside.top() + 1) << letter.toStdString();
        EXPECT_LT(bottom, inside.bottom() - 1) << letter.toStdString();
    }
}

TEST(PanelWidget, AKeyCaptionThatFitsIsCentredAsBefore) {
    platform::qt::PanelWidget panel(nullptr);
    panel.resize(52, 52);
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    panel.setFont(font);
    panel.setCaption(QStringLiteral("F"));
    const auto [top, bottom] = inkRows(panel);
    ASSERT_GE(top, 0);
    EXPECT_NEAR((top + bottom) / 2.0, panel.height() / 2.0, 4);
}

} // namespace
