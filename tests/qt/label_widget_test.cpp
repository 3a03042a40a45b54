#include "platform/qt/label_widget.h"
#include "qt_test_support.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using qt_test::PaintedArea;

// Pixels that differ between two shots of the label outside `region`.
int changedOutside(const QImage& before, const QImage& after, const QRegion& region) {
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            changed += before.pixel(x, y) != after.pixel(x, y) && !region.contains(QPoint(x, y));
        }
    }
    return changed;
}

// Whatever a new caption leaves unrepainted looks as the new caption drawn
// whole would, and what it repaints (the caption's end alone) leaves the
// window as a whole drawing would: kerning, ligatures, overhanging italics
// and shorter or longer figures included.
TEST(LabelWidget, ANewCaptionRepaintsFromWhereItDiffersAndTheRestIsAsDrawnWhole) {
    platform::qt::LabelWidget label(nullptr);
    label.resize(420, 30);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    PaintedArea painted(label);
    const std::pair<const char*, const char*> changes[] = {
        {"Keystrokes: 18", "Keystrokes: 19"},
        {"Keystrokes: 99", "Keystrokes: 100"},
        {"Keystrokes: 100", "Keystrokes: 99"},
        {"Study achievement 5.3 %", "Study achievement 15.0 %"},
        {"AVAVAVAVAVAVAV Tj", "AVAVAVAVAVAVAV Ta"},
        {"office waffle fi", "office waffle fl"},
        {"fff jjj ///", "fff jjj \\\\\\"},
        {"Fault rate:  8.33 %", "Fault rate: 10.00 %"},
        {"Keystrokes: 1 and then a long tail of words", "Keystrokes: 2"},
    };
    // A large font first: what was measured in it must not serve a small one.
    for (const int size : {20, 9}) {
        for (const char* family : {"DejaVu Sans", "DejaVu Serif"}) {
            for (const bool italic : {false, true}) {
                label.setFont(QFont(family, size, QFont::Bold, italic));
                for (const auto& [before, after] : changes) {
                    label.setCaption(QString::fromUtf8(before));
                    const QImage old = label.grab().toImage();
                    QImage window = qt_test::drawnWhole(label);
                    painted.take();
                    label.setCaption(QString::fromUtf8(after));
                    const QRegion repainted = painted.take();
                    EXPECT_EQ(changedOutside(old, label.grab().toImage(), repainted), 0)
                        << family << " " << size << (italic ? " italic: " : ": ") << before
                        << " -> " << after;
                    qt_test::repaintInto(window, label, repainted);
                    EXPECT_EQ(window, qt_test::drawnWhole(label))
                        << family << " " << size << (italic ? " italic: " : ": ") << before
                        << " -> " << after << " repainted";
                }
            }
        }
    }
    label.setFont(QFont("DejaVu Sans", 10, QFont::Bold));
    label.setCaption(QStringLiteral("Keystrokes per minute: 360"));
    painted.take();
    label.setCaption(QStringLiteral("Keystrokes per minute: 372"));
    const QRect repainted = painted.take().boundingRect();
    EXPECT_GT(repainted.left(), label.width() / 4) << "the counter's words stay as they are";
}

} // namespace
