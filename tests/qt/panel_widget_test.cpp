#include "platform/qt/panel_widget.h"
#include "qt_test_support.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {

using qt_test::PaintedArea;

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

// The keys' and the big letter's family, at a size in pixels.
QFont serif(int pixels) {
    QFont font("DejaVu Serif");
    font.setPixelSize(pixels);
    return font;
}

TEST(PanelWidget, ALetterTallerThanThePanelIsDrawnWholeDescenderAndAccentIncluded) {
    platform::qt::PanelWidget panel(nullptr);
    panel.resize(220, 160);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel.setPalette(palette);
    panel.setFont(serif(200)); // the line box is far taller than the panel
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

std::unique_ptr<platform::qt::PanelWidget> shownPanel(QSize size, const QFont& font,
                                                      const QString& caption) {
    auto panel = std::make_unique<platform::qt::PanelWidget>(nullptr);
    panel->resize(size);
    panel->setFont(font);
    panel->setCaption(caption);
    panel->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    return panel;
}

// A key's caption set while the panel was hidden is repainted where it lay
// when its colour changes: the window then looks as a whole paint.
TEST(PanelWidget, AKeyCaptionSetWhileHiddenIsRepaintedWhereItLay) {
    const auto shown = shownPanel({52, 52}, serif(18), QStringLiteral("W"));
    platform::qt::PanelWidget& panel = *shown;
    PaintedArea painted(panel);
    QImage window = qt_test::drawnWhole(panel);
    painted.take();
    panel.setTextColour(Qt::red);
    const QRegion repainted = painted.take();
    qt_test::repaintInto(window, panel, repainted);
    EXPECT_EQ(window, qt_test::drawnWhole(panel));
}

int pixels(const QRegion& region) {
    int sum = 0;
    for (const QRect& r : region) {
        sum += r.width() * r.height();
    }
    return sum;
}

TEST(PanelWidget, ANewLetterOrItsColourRepaintsOnlyWhereTheLettersLieAndLooksAsAWholePaint) {
    const auto shown = shownPanel({240, 200}, serif(260), QStringLiteral("i"));
    platform::qt::PanelWidget& panel = *shown;
    PaintedArea painted(panel);
    painted.take();

    panel.setCaption(QStringLiteral("l"));
    const QRegion letter = painted.take();
    EXPECT_GT(pixels(letter), 0);
    EXPECT_LT(pixels(letter), panel.width() * panel.height() / 2) << "not the whole panel";
    const QImage partly = panel.grab().toImage();
    panel.repaint();
    EXPECT_EQ(partly, panel.grab().toImage()) << "the old letter is gone, the new one whole";

    painted.take(); // the grabs above painted everything
    panel.setTextColour(Qt::red);
    const QRegion recoloured = painted.take();
    EXPECT_FALSE(recoloured.isEmpty());
    EXPECT_TRUE(recoloured.subtracted(letter).isEmpty()) << "a new colour repaints the letter only";
    const QImage red = panel.grab().toImage();
    bool anyRed = false;
    for (int y = 0; y < red.height() && !anyRed; ++y) {
        for (int x = 0; x < red.width() && !anyRed; ++x) {
            const QColor c = red.pixelColor(x, y);
            anyRed = c.red() > 200 && c.green() < 60;
        }
    }
    EXPECT_TRUE(anyRed);
}

TEST(PanelWidget, ALetterShownAgainAfterTheSizeOrFontChangedIsPlacedAnew) {
    QFont font = serif(200);
    const auto panelOf = [&font](QSize size, const QString& letter) {
        auto panel = std::make_unique<platform::qt::PanelWidget>(nullptr);
        panel->resize(size);
        panel->setFont(font);
        panel->setCaption(letter);
        return panel;
    };
    // The letters come back as the exercise draws them again.
    auto panel = panelOf({220, 160}, QStringLiteral("g"));
    panel->grab();
    panel->setCaption(QStringLiteral("i"));
    panel->resize(300, 120);
    panel->setCaption(QStringLiteral("g"));
    EXPECT_EQ(panel->grab().toImage(), panelOf({300, 120}, QStringLiteral("g"))->grab().toImage());

    panel->setCaption(QStringLiteral("i"));
    font.setPixelSize(90);
    panel->setFont(font);
    panel->setCaption(QStringLiteral("g"));
    EXPECT_EQ(panel->grab().toImage(), panelOf({300, 120}, QStringLiteral("g"))->grab().toImage());
}

TEST(PanelWidget, ItsBevelLooksAsTheStylesShadedPanelRaisedOrSunkenAndWhenDisabled) {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::Light, Qt::red); // distinct, so a misplaced pixel shows
    palette.setColor(QPalette::Dark, Qt::blue);
    palette.setColor(QPalette::Disabled, QPalette::Light, Qt::yellow);
    palette.setColor(QPalette::Disabled, QPalette::Dark, Qt::green);
    for (const QSize size : {QSize(65, 65), QSize(10, 8), QSize(7, 30), QSize(4, 4)}) {
        for (const int lineWidth : {1, 2, 3}) {
            for (const auto bevel : {form::BevelStyle::Raised, form::BevelStyle::Lowered}) {
                for (const bool enabled : {true, false}) {
                    platform::qt::PanelWidget panel(nullptr);
                    QFrame style(nullptr);
                    style.setFrameStyle(
                        QFrame::Panel |
                        (bevel == form::BevelStyle::Lowered ? QFrame::Sunken : QFrame::Raised));
                    style.setAutoFillBackground(true);
                    for (QFrame* frame : {static_cast<QFrame*>(&panel), &style}) {
                        frame->setPalette(palette);
                        frame->setLineWidth(lineWidth);
                        frame->resize(size);
                        frame->setEnabled(enabled);
                    }
                    panel.setBevel(bevel);
                    EXPECT_EQ(panel.grab().toImage(), style.grab().toImage())
                        << size.width() << "x" << size.height() << " line width " << lineWidth
                        << (bevel == form::BevelStyle::Lowered ? " lowered" : " raised")
                        << (enabled ? "" : " disabled");
                }
            }
        }
    }
}

TEST(PanelWidget, ACaptionShownAgainLooksAsWhenFirstDrawnInItsColourAndOnItsGround) {
    platform::qt::PanelWidget panel(nullptr);
    panel.resize(240, 200);
    QFont font = serif(150); // filled as a path, not from the glyph cache
    panel.setFont(font);
    const auto shownThrice = [&panel](const QString& letter) {
        panel.setCaption(QStringLiteral("i"));
        panel.grab();
        panel.setCaption(letter);
        const QImage first = panel.grab().toImage(); // drawn
        panel.setCaption(QStringLiteral("i"));
        panel.grab();
        panel.setCaption(letter);
        const QImage second = panel.grab().toImage(); // drawn into its picture
        EXPECT_EQ(second, first) << letter.toStdString();
        EXPECT_EQ(panel.grab().toImage(), first) << letter.toStdString(); // copied
        return first;
    };
    const QImage black = shownThrice(QStringLiteral("g"));
    panel.setTextColour(Qt::red);
    const QImage red = shownThrice(QStringLiteral("g"));
    EXPECT_NE(red, black);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    panel.setPalette(palette);
    EXPECT_NE(shownThrice(QStringLiteral("g")), red);
    font.setPixelSize(40); // as the big letter's panel does for "Space"
    panel.setFont(font);
    shownThrice(QStringLiteral("Space"));
    panel.setEnabled(false);
    shownThrice(QStringLiteral("Space"));
}

} // namespace
