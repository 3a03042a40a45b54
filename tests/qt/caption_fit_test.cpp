#include "platform/qt/caption_fit.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

using platform::qt::fitsSurely;

QStringList captions() {
    QStringList texts = {"Keystrokes: 12",
                         "Keystrokes per minute: 144  ",
                         "Fault rate:  8.33 %",
                         "Study achievement 100.0 %",
                         "AVAWAYAT To Ta Te Yo fi fl ffi",
                         QString::fromUtf8("\xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC \xC3\x84rger"),
                         "WWWWWWWWWW",
                         "iiiiiiiiii",
                         ""};
    std::mt19937 random(11);
    std::uniform_int_distribution<int> character(0x20, 0xFF);
    std::uniform_int_distribution<int> length(1, 40);
    for (int i = 0; i < 200; ++i) {
        QString text;
        for (int n = length(random); n > 0; --n) {
            text += QChar(character(random));
        }
        texts << text;
    }
    return texts;
}

// Whatever it calls a sure fit does fit when laid out, in every font and
// size and in rooms a few pixels either side of the caption's own width.
TEST(CaptionFit, ASureFitAlwaysFitsWhenLaidOut) {
    int sure = 0;
    for (const char* family : {"DejaVu Sans", "DejaVu Serif", "Sans Serif", "Monospace"}) {
        for (const int size : {6, 9, 12, 16, 24, 40}) {
            QFont font(family);
            font.setPointSize(size);
            const QFontMetrics metrics(font);
            for (const QString& text : captions()) {
                const QSize laidOut = metrics.size(0, text);
                for (int spare = -6; spare <= 12; spare += 3) {
                    const QSize room(laidOut.width() + spare, metrics.height() + 1);
                    if (fitsSurely(font, text, room)) {
                        ++sure;
                        ASSERT_LE(laidOut.width(), room.width())
                            << family << size << text.toStdString();
                        ASSERT_LE(laidOut.height(), room.height());
                    }
                }
            }
        }
    }
    EXPECT_GT(sure, 1000) << "most plain captions with room to spare take the short way";
}

TEST(CaptionFit, CaptionsOfMoreThanOneLineOrTooTallAreLaidOut) {
    QFont font("DejaVu Sans");
    font.setPointSize(12);
    const QFontMetrics metrics(font);
    const QSize plenty(2000, 200);
    EXPECT_TRUE(fitsSurely(font, "Keystrokes: 12", plenty));
    EXPECT_FALSE(fitsSurely(font, "two\nlines", plenty));
    EXPECT_FALSE(fitsSurely(font, "a\ttab", plenty));
    EXPECT_FALSE(fitsSurely(font, "Keystrokes: 12", QSize(2000, metrics.height())));
    EXPECT_FALSE(fitsSurely(font, "", QSize(0, 200))) << "no room at all";
}

} // namespace
