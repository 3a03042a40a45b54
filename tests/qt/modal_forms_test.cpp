#include "form/tform2.h"
#include "platform/qt/modal_forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(QtModalForms, TheWindowBlocksUntilItsOwnButtonClosesItThenTheContinuationRuns) {
    platform::qt::ModalHook hook;
    bool synced = false;
    hook.set([&] { synced = true; });
    platform::qt::QtModalForms forms(hook);
    form::TForm2 results;
    bool allowed = false;
    results.onCloseQuery = [&] { return allowed; };
    results.Button1.onClick = [&] {
        allowed = true;
        results.requestClose();
    };
    int shown = 0;
    results.onShow = [&] { ++shown; };

    QString title;
    bool modal = false;
    bool refusedFirst = false;
    QTimer::singleShot(50, [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        title = window->windowTitle();
        modal = window->isModal();
        window->close(); // the window manager's close: refused
        refusedFirst = window->isVisible();
        for (auto* button : window->findChildren<QAbstractButton*>()) {
            if (button->text() == "OK") {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    });
    bool continued = false;
    forms.showModal(results, [&] { continued = true; });

    EXPECT_TRUE(synced) << "the main window shows what changed before the window opens";
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(title, "Results");
    EXPECT_TRUE(modal);
    EXPECT_TRUE(refusedFirst);
    EXPECT_TRUE(continued);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
