#include "platform/qt/progress_bar_widget.h"
#include "qt_test_support.h"

#include <QImage>
#include <QProgressBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using platform::qt::ProgressBarWidget;
using qt_test::drawnWhole;
using qt_test::PaintedArea;
using qt_test::repaintInto;

struct Walk {
    QSize size;
    int maximum;
    std::vector<int> values;
    int saving; // at least this many times fewer pixels repainted
};

std::vector<int> upAndAbout(int maximum) {
    std::vector<int> values;
    for (int v = 0; v <= maximum; ++v) {
        values.push_back(v);
    }
    for (const int v : {0, maximum / 2, maximum, 1, maximum - 1, 0}) {
        values.push_back(v);
    }
    return values;
}

qint64 pixelsIn(const QRegion& region) {
    qint64 pixels = 0;
    for (const QRect& r : region) {
        pixels += qint64{r.width()} * r.height();
    }
    return pixels;
}

// Beside a QProgressBar given the same values, the bar repaints at the same
// moments, and the window then shows the same pixels, though the bar
// repaints only around the ends of its fill.
TEST(ProgressBarWidget, RepaintsAroundTheFillsEndsWhenQProgressBarRepaintsAndLooksTheSame) {
    const Walk walks[] = {{{349, 28}, 100, upAndAbout(100), 3},
                          {{200, 20}, 300, upAndAbout(300), 2},
                          {{90, 16}, 7, upAndAbout(7), 1}};
    for (const Walk& walk : walks) {
        QWidget window;
        window.resize(walk.size.width() + 20, 2 * walk.size.height() + 30);
        ProgressBarWidget bar(&window);
        QProgressBar twin(&window);
        twin.setTextVisible(false);
        bar.setGeometry(QRect(QPoint(10, 10), walk.size));
        twin.setGeometry(QRect(QPoint(10, 20 + walk.size.height()), walk.size));
        bar.setRange(0, walk.maximum);
        twin.setRange(0, walk.maximum);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        PaintedArea barPainted(bar);
        PaintedArea twinPainted(twin);
        QImage barShown = drawnWhole(bar);
        QImage twinShown = drawnWhole(twin);
        barPainted.take();
        twinPainted.take();
        qint64 barPixels = 0;
        qint64 twinPixels = 0;
        for (const int value : walk.values) {
            bar.showValue(value);
            twin.setValue(value);
            const QRegion barRegion = barPainted.take();
            const QRegion twinRegion = twinPainted.take();
            EXPECT_EQ(barRegion.isEmpty(), twinRegion.isEmpty())
                << walk.maximum << " steps, value " << value;
            repaintInto(barShown, bar, barRegion);
            repaintInto(twinShown, twin, twinRegion);
            barPainted.takeWithoutWaiting(); // the copies' own paints
            twinPainted.takeWithoutWaiting();
            EXPECT_EQ(barShown, twinShown) << walk.maximum << " steps, value " << value;
            barPixels += pixelsIn(barRegion);
            twinPixels += pixelsIn(twinRegion);
        }
        EXPECT_LT(barPixels * walk.saving, twinPixels) << walk.maximum << " steps";
    }
}

// A repaint of another part of the bar leaves the old fill's end on the
// window: the next value to be shown is repainted from there.
TEST(ProgressBarWidget, ARepaintElsewhereDoesNotShowTheNewValue) {
    ProgressBarWidget bar(nullptr);
    bar.resize(349, 28);
    bar.setRange(0, 100);
    bar.showValue(0);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    PaintedArea painted(bar);
    QImage window = drawnWhole(bar);
    painted.take();
    bar.showValue(2); // too small a step to repaint, as QProgressBar
    EXPECT_TRUE(painted.take().isEmpty());
    bar.repaint(300, 0, 49, 28);
    painted.take();
    bar.showValue(4);
    repaintInto(window, bar, painted.take());
    EXPECT_EQ(window, drawnWhole(bar));
}

// Another style may draw the fill otherwise: the bar repaints whole.
TEST(ProgressBarWidget, InAnotherStyleRepaintsWhole) {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(windows, nullptr);
    ProgressBarWidget bar(nullptr);
    bar.setStyle(windows.get());
    bar.resize(300, 24);
    bar.setRange(0, 10);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    PaintedArea painted(bar);
    painted.take();
    bar.showValue(5);
    EXPECT_EQ(painted.take(), QRegion(bar.rect()));
    EXPECT_EQ(bar.value(), 5);
}

} // namespace
