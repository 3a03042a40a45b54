#include "app/program.h"
#include "platform/fakes/fakes.h"
#include "platform/qt/binder.h"
#include "qt_test_support.h"
#include "temporary_directory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using namespace qt_test;

namespace {

// The whole program on fake services, shown in the real window offscreen.
class ProgramWindow : public testing::Test {
protected:
    ProgramWindow() {
        program = std::make_unique<Program>(platform.services, directory.path());
        program->init();
        binder = std::make_unique<platform::qt::Binder>(program->window());
        binder->window().show();
    }
    ~ProgramWindow() override {
        binder.reset();
        program.reset();
    }

    QString labelText(const form::Control& c) { return widgetOf<QLabel>(*binder, c).text(); }

    TemporaryDirectory directory;
    platform::fakes::FakePlatform platform{1, platform::fakes::FakeScreen(1024, 768)};
    std::unique_ptr<Program> program;
    std::unique_ptr<platform::qt::Binder> binder;
};

TEST_F(ProgramWindow, WindowShowsTheModelsTitleSizeAndLabels) {
    form::Tform1& form = program->window();
    EXPECT_EQ(binder->window().windowTitle(), "Clavora");
    EXPECT_EQ(binder->window().centralWidget()->size(), QSize(form.width(), form.height()));

    form.Label24.setCaption("Keystrokes: 12");
    form.Panel4.show();
    binder->sync();
    EXPECT_EQ(labelText(form.Label24), "Keystrokes: 12");
}

TEST_F(ProgramWindow, SignInThenTheFirstKeyOfTheLetterExerciseCountsOneKeystroke) {
    form::Tform1& form = program->window();
    EXPECT_FALSE(widgetOf<QPushButton>(*binder, form.BitBtn2).isEnabled());
    auto& nameBox = widgetOf<QComboBox>(*binder, form.ComboBox1);
    nameBox.setFocus();
    QTest::keyClicks(nameBox.lineEdit(), "anna");
    QTest::keyClick(nameBox.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(program->state().benutzername, "ANNA");
    EXPECT_TRUE(std::filesystem::exists(directory / "user30.dat"));
    EXPECT_TRUE(widgetOf<QPushButton>(*binder, form.BitBtn2).isEnabled());
    EXPECT_FALSE(nameBox.isVisible());

    widgetOf<QPushButton>(*binder, form.BitBtn2).click();
    widgetOf<QPushButton>(*binder, form.BitBtn3).click();

    QTest::keyClick(&binder->window(), Qt::Key_F);

    EXPECT_EQ(labelText(form.Label24), "Keystrokes: 1");
}

} // namespace

namespace {

// The own-text practice in the real window: Enter on the preview presses
// "Start", typed keys move the selection in Memo4, Enter ends the line.
TEST_F(ProgramWindow, EnterStartsAnOwnTextAndTheWindowFollowsTheTyping) {
    form::Tform1& form = program->window();
    auto& nameBox = widgetOf<QComboBox>(*binder, form.ComboBox1);
    nameBox.setFocus();
    QTest::keyClicks(nameBox.lineEdit(), "anna");
    QTest::keyClick(nameBox.lineEdit(), Qt::Key_Return);
    std::filesystem::create_directories(directory / "Texts");
    directory.write("Texts/short.TXT", "ab\ncd\n");
    platform.files.openAnswers.push_back(directory / "Texts" / "short.TXT");
    widgetOf<QPushButton>(*binder, form.Button22).click();
    widgetOf<QPushButton>(*binder, form.Button28).click();
    widgetOf<QPushButton>(*binder, form.BitBtn4).click();
    ASSERT_TRUE(widgetOf<QPushButton>(*binder, form.BitBtn5).isEnabled());

    QTest::keyClick(&binder->window(), Qt::Key_Return);
    EXPECT_TRUE(program->state().eigenetexteaktiv);
    auto& practice = widgetOf<QPlainTextEdit>(*binder, form.Memo4);
    EXPECT_EQ(practice.toPlainText(), "ab\ncd");
    EXPECT_EQ(labelText(form.Label75), "Row 1 from 2");

    QTest::keyClick(&binder->window(), Qt::Key_A);
    EXPECT_EQ(practice.textCursor().selectedText(), "b");
    QTest::keyClick(&binder->window(), Qt::Key_B);
    EXPECT_TRUE(widgetOf<QWidget>(*binder, form.Panel2).isVisible());
    QTest::keyClick(&binder->window(), Qt::Key_Return);
    EXPECT_EQ(practice.toPlainText(), "cd");
    EXPECT_EQ(practice.textCursor().selectedText(), "c");
    EXPECT_EQ(labelText(form.Label75), "Row 2 from 2");
}

} // namespace
