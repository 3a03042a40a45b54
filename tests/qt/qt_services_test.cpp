#include "platform/fakes/fakes.h"
#include "platform/qt/key_grace.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/sound_module/qt_sound.h"
#include "qt_test_support.h"
#include "temporary_directory.h"

#include <QAbstractButton>
#include <QDate>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace platform::qt;

namespace {

TEST(QtSound, OnlyFilesWithAWaveHeaderArePlayed) {
    const TemporaryDirectory folder;
    EXPECT_TRUE(hasWaveHeader(folder.write("good.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16))));
    EXPECT_FALSE(
        hasWaveHeader(folder.write("riff.wav", std::string("RIFF\x24\0\0\0AVI LIST", 16))));
    EXPECT_FALSE(hasWaveHeader(folder.write("short.wav", "RIFF")));
    EXPECT_FALSE(hasWaveHeader(folder / "missing.wav"));

    QtSound sound;
    EXPECT_FALSE(sound.play(folder.write("text.wav", "not a sound at all"), true));
    EXPECT_FALSE(sound.play(folder / "missing.wav", false));
}

TEST(LazySound, LoadsTheModuleAtTheFirstSoundAndWithoutOneGoesOnSilently) {
    const TemporaryDirectory folder;
    const auto noSound = folder.write("text.wav", "not a sound at all");

    LazySound missing({folder.path().c_str() + QStringLiteral("/libclavora-sound.so")});
    EXPECT_FALSE(missing.play(noSound, false));
    EXPECT_FALSE(missing.loaded());
    missing.beep();

    LazySound found({QStringLiteral("/no/such/module.so"), QStringLiteral(CLAVORA_SOUND_MODULE)});
    EXPECT_FALSE(found.loaded()) << "nothing is loaded before the first sound";
    EXPECT_FALSE(found.play(noSound, false)) << "the module checks the file as before";
    EXPECT_TRUE(found.loaded()) << "found at the second place tried";
}

TEST(LazyPrinter, LoadsTheModuleAtTheFirstUseAndWithoutOneSaysWhyPrintingIsNotAvailable) {
    const TemporaryDirectory folder;
    const ModalHook hook;
    platform::fakes::FakeMessageBoxes messages;

    LazyPrinter missing({folder.path().c_str() + QStringLiteral("/libclavora-print.so")}, hook,
                        messages);
    EXPECT_EQ(missing.orientation(), platform::Orientation::Portrait);
    EXPECT_FALSE(missing.setup());
    const auto shown = messages.take();
    ASSERT_EQ(shown.size(), 1U) << "a setup that cannot be done says so";
    EXPECT_EQ(shown[0].icon, platform::Icon::Error);
    EXPECT_NE(shown[0].text.find("libclavora-print.so"), std::string::npos) << shown[0].text;
    const auto outcome = missing.printWindow("Clavora");
    EXPECT_EQ(outcome.kind, platform::PrintOutcome::Kind::Failed);
    EXPECT_EQ(outcome.reason, shown[0].text);
    EXPECT_FALSE(missing.loaded());

    LazyPrinter found({QStringLiteral("/no/such/module.so"), QStringLiteral(CLAVORA_PRINT_MODULE)},
                      hook, messages);
    EXPECT_FALSE(found.loaded()) << "nothing is loaded before the first use";
    EXPECT_EQ(found.orientation(), platform::Orientation::Portrait);
    EXPECT_TRUE(found.loaded()) << "found at the second place tried";
    // The window's image is set once the window exists, after the module
    // may have been loaded: it is still the one a print takes.
    int grabs = 0;
    found.setWindowImage([&grabs] {
        ++grabs;
        return QImage();
    });
    EXPECT_EQ(found.printWindow("Clavora").kind, platform::PrintOutcome::Kind::Failed);
    EXPECT_EQ(grabs, 1);
    EXPECT_TRUE(messages.shown().empty());
}

TEST(QtClock, WeekdayCountsFromSunday) {
    QtClock clock;
    const platform::Date today = clock.today();
    using namespace std::chrono;
    const weekday expected{sys_days{year{today.year} / today.month / today.day}};
    EXPECT_EQ(today.weekday, static_cast<int>(expected.c_encoding()) + 1);
    const double before = clock.monotonicSeconds();
    EXPECT_GE(clock.monotonicSeconds(), before);
}

TEST(QtClock, TellsTheLocalTimeOfDayAsQtDoes) {
    // A zone half an hour off UTC shows a mix-up of local and UTC time.
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    tzset();
    QtClock clock;
    const platform::TimeOfDay ours = clock.timeOfDay();
    const QTime qt = QTime::currentTime();
    const int oursSeconds = ours.hour * 3600 + ours.minute * 60 + ours.second;
    const int apart = std::abs(oursSeconds - qt.msecsSinceStartOfDay() / 1000);
    EXPECT_LE(std::min(apart, 86400 - apart), 1);
    EXPECT_GE(ours.millisecond, 0);
    EXPECT_LT(ours.millisecond, 1000);
    EXPECT_EQ(clock.today().day, QDate::currentDate().day());
    if (hadZone) {
        qputenv("TZ", zone);
    } else {
        qunsetenv("TZ");
    }
    tzset();
}

TEST(QtRandom, DrawsEveryValueBelowTheBoundAndNoOther) {
    QtRandom random;
    random.randomize();
    std::set<int> drawn;
    for (int i = 0; i < 500; ++i) {
        drawn.insert(random.next(5));
    }
    EXPECT_EQ(drawn, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(random.next(1), 0);
    EXPECT_EQ(random.next(0), 0);
}

TEST(QtDisk, UnknownPlacesHaveNoFreeSpace) {
    QtDisk disk;
    const TemporaryDirectory place;
    EXPECT_GT(disk.freeBytes(place.path()), 0U);
    EXPECT_EQ(disk.freeBytes("/no/such/place/at/all"), 0U);
}

TEST(QtMessageBoxes, SyncsFirstThenShowsTheTextAndReturnsTheButton) {
    ModalHook hook;
    bool synced = false;
    hook.set([&] { synced = true; });
    QtMessageBoxes messages(hook);
    QString shownText;
    bool syncedBeforeShowing = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        syncedBeforeShowing = synced;
        shownText = box->text();
        box->button(QMessageBox::No)->click();
    });

    const auto answer = messages.show("Question", "Stop?\r\rReally \xFC", platform::Icon::Question,
                                      platform::Buttons::YesNo);

    EXPECT_EQ(answer, platform::Answer::No);
    EXPECT_TRUE(syncedBeforeShowing);
    EXPECT_EQ(shownText, QString::fromUtf8("Stop?\n\nReally ü"));
}

TEST(QtMessageBoxes, KeysTypedInTheBoxsFirstHalfSecondAreIgnoredLaterOnesAnswer) {
    ModalHook hook;
    QtMessageBoxes messages(hook);
    bool openAfterEarlyKeys = false;
    QTimer::singleShot(50, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QWidget* focus = box->focusWidget() != nullptr ? box->focusWidget() : box;
        QTest::keyClick(focus, Qt::Key_Space);
        QTest::keyClick(focus, Qt::Key_Return);
        QTest::keyClick(focus, Qt::Key_Escape);
        openAfterEarlyKeys = QApplication::activeModalWidget() == box && box->isVisible();
    });
    QTimer::singleShot(KeyGrace::kGraceMs + 100, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, Qt::Key_Return);
    });
    QElapsedTimer elapsed;
    elapsed.start();
    const auto answer =
        messages.show("Verdict", "Well done!", platform::Icon::Information, platform::Buttons::Ok);
    EXPECT_TRUE(openAfterEarlyKeys);
    EXPECT_EQ(answer, platform::Answer::Ok);
    EXPECT_GE(elapsed.elapsed(), KeyGrace::kGraceMs);
}

} // namespace
