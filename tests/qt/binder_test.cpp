#include "form/tform1.h"
#include "platform/qt/binder.h"
#include "platform/qt/panel_widget.h"
#include "qt_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using form::Kind;
using platform::qt::Binder;
using namespace qt_test;

namespace {

// The main window model on its own, without the program's handlers.
class BoundWindow : public testing::Test {
protected:
    QLabel& label(const form::Control& c) { return widgetOf<QLabel>(binder, c); }
    void routeKeys() {
        form.onKeyPress = [this](std::uint8_t& key) { routed.push_back(key); };
    }

    form::Tform1 form;
    Binder binder{form};
    QMainWindow& window = binder.window();
    std::vector<int> routed;
};

TEST_F(BoundWindow, SyncCopiesOnlyTheChangedControls) {
    label(form.Label25).setText("left alone");
    form.Label24.setCaption("Keystrokes: 7");
    EXPECT_EQ(label(form.Label24).text(), "Keystrokes: 0");

    binder.sync();

    EXPECT_EQ(label(form.Label24).text(), "Keystrokes: 7");
    EXPECT_EQ(label(form.Label25).text(), "left alone");
}

TEST_F(BoundWindow, CaptionsFollowTheWindowsConventions) {
    form.Label24.setCaption("Salt && &Pepper \xF6");
    form.GroupBox3.setCaption("Main \x80");
    form.setCaption("Clavora \x96 lesson");
    binder.sync();

    EXPECT_EQ(label(form.Label24).text(), QString::fromUtf8("Salt & Pepper ö"));
    EXPECT_EQ(widgetOf<QGroupBox>(binder, form.GroupBox3).title(), QString::fromUtf8("Main €"));
    EXPECT_EQ(widgetOf<QPushButton>(binder, form.BitBtn2).text(), "&Start");
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Clavora – lesson"));
}

TEST_F(BoundWindow, ACarriageReturnBreaksALabelsLineAndTheLabelGrowsForIt) {
    form.Label68.setCaption("Do you want to delete user no.2\r\" BEN\"\r irrevocably?");
    binder.sync();

    QLabel& question = label(form.Label68);
    EXPECT_EQ(question.text(), "Do you want to delete user no.2\n\" BEN\"\n irrevocably?");
    EXPECT_GE(question.height(), 3 * question.fontMetrics().lineSpacing());
}

TEST_F(BoundWindow, APasswordFieldShowsNoneOfItsText) {
    auto& edit = widgetOf<QLineEdit>(binder, form.Edit3);
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit.maxLength(), 12);
    EXPECT_EQ(widgetOf<QLineEdit>(binder, form.Edit4).echoMode(), QLineEdit::Normal);
}

TEST_F(BoundWindow, ControlsSitAtTheirGeometryInTheirParent) {
    QWidget& button = *binder.widgetOf(form.BitBtn2);
    EXPECT_EQ(button.parentWidget(), binder.widgetOf(form.GroupBox3));
    EXPECT_EQ(button.geometry(), QRect(16, 24, 104, 33));
    EXPECT_EQ(binder.widgetOf(form.Label5)->parentWidget(), window.centralWidget());
    EXPECT_EQ(window.centralWidget()->size(), QSize(800, 600));

    form.scaleBy(1024, 800);
    binder.sync();

    EXPECT_EQ(button.geometry(), QRect(20, 30, 133, 42));
    EXPECT_EQ(window.centralWidget()->size(), QSize(1024, 768));
    window.adjustSize();
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(BoundWindow, VisibilityFollowsTheModelAndItsParents) {
    window.show();
    EXPECT_FALSE(binder.widgetOf(form.Label61)->isVisible());
    EXPECT_TRUE(binder.widgetOf(form.Label24)->isVisible());

    form.Panel4.hide();
    binder.sync();
    EXPECT_FALSE(binder.widgetOf(form.Label24)->isVisible());

    form.Panel4.show();
    form.Label24.setEnabled(false);
    binder.sync();
    EXPECT_TRUE(binder.widgetOf(form.Label24)->isVisible());
    EXPECT_FALSE(binder.widgetOf(form.Label24)->isEnabled());
}

// A control written while its box is hidden still shows all it was given,
// and stacks where it was brought, once the box shows.
TEST_F(BoundWindow, ControlsChangedWhileTheirBoxIsHiddenShowEverythingWithTheBox) {
    window.show();
    form.Panel4.hide();
    binder.sync();

    form.Label24.setCaption("Keystrokes: 9");
    form.Label24.setFont({"Times New Roman", 14, 1});
    form.Label24.setFontColor(form::rgb(200, 0, 0));
    form.Label24.setGeometry({20, 2, 150, 16});
    form.Label24.setEnabled(false);
    form.Label25.setGeometry({20, 2, 150, 16});
    form.Label24.bringToFront();
    binder.sync();
    form.Panel4.show();
    binder.sync();

    const QLabel& shown = label(form.Label24);
    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.text(), "Keystrokes: 9");
    EXPECT_EQ(shown.font().pointSize(), 14);
    EXPECT_TRUE(shown.font().bold());
    EXPECT_EQ(shown.palette().color(QPalette::Active, QPalette::WindowText), QColor(200, 0, 0));
    EXPECT_EQ(shown.pos(), QPoint(20, 2));
    EXPECT_FALSE(shown.isEnabled());
    EXPECT_EQ(shown.parentWidget()->childAt(25, 5), &shown);
}

TEST_F(BoundWindow, ColoursTurnFromBgrIntoRgb) {
    auto& panel = static_cast<platform::qt::PanelWidget&>(*binder.widgetOf(form.Panel67));
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(panel.textColour(), QColor(255, 255, 255));

    form.Label47.setFontColor(0x00123456);
    form.Edit2.setColor(form::rgb(1, 2, 3));
    binder.sync();

    EXPECT_EQ(label(form.Label47).palette().color(QPalette::WindowText), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(binder.widgetOf(form.Edit2)->palette().color(QPalette::Base), QColor(1, 2, 3));
}

TEST_F(BoundWindow, FontsFollowTheModel) {
    const QFont font = binder.widgetOf(form.Edit2)->font();
    EXPECT_EQ(font.pointSize(), 18);
    EXPECT_TRUE(font.bold());

    form.Edit2.setFont({"Times New Roman", 12, 2});
    binder.sync();

    EXPECT_EQ(binder.widgetOf(form.Edit2)->font().pointSize(), 12);
    EXPECT_FALSE(binder.widgetOf(form.Edit2)->font().bold());
    EXPECT_TRUE(binder.widgetOf(form.Edit2)->font().italic());
}

TEST_F(BoundWindow, KeysReachTheModelAsWindows1252Bytes) {
    routeKeys();
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Enter);
    QTest::keyClick(&window, Qt::Key_Backspace);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Space);
    keyWithText(window, Qt::Key_unknown, QString::fromUtf8("€"));
    keyWithText(window, Qt::Key_Odiaeresis, QString::fromUtf8("ö"));
    QTest::keyClick(&window, Qt::Key_At, Qt::ControlModifier | Qt::AltModifier); // AltGr
    EXPECT_EQ(routed, (std::vector<int>{'a', 13, 13, 8, 27, ' ', 0x80, 0xF6, '@'}));
}

TEST_F(BoundWindow, KeysWithoutAByteOrWithCtrlOrAltAreNotRouted) {
    routeKeys();
    QTest::keyClick(&window, Qt::Key_Shift);
    QTest::keyClick(&window, Qt::Key_Left);
    QTest::keyClick(&window, Qt::Key_F5);
    keyWithText(window, Qt::Key_Delete, "\x7f");
    keyWithText(window, Qt::Key_unknown, QString::fromUtf8("ł"));
    QTest::keyClick(&window, Qt::Key_Tab);
    keyWithText(window, Qt::Key_A, "\x01", Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(routed.empty());
    EXPECT_EQ(label(form.Label24).text(), "Keystrokes: 0");
}

TEST_F(BoundWindow, ReleasedKeysReachTheKeyUpHandlerAsVirtualKeys) {
    std::vector<int> codes;
    form.onKeyUp = [&](int code) { codes.push_back(code); };
    QTest::keyClick(&window, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_F12);
    QTest::keyClick(&window, Qt::Key_Q);
    // A label ignores keys, so Qt offers the release to every parent as well.
    QTest::keyClick(binder.widgetOf(form.Label24), Qt::Key_F2);
    EXPECT_EQ(codes, (std::vector<int>{112, 123, 'Q', 113}));
}

TEST_F(BoundWindow, SpaceAndEnterOnAFocusedButtonDoNotPressIt) {
    int clicks = 0;
    form.BitBtn2.onClick = [&] { ++clicks; };
    routeKeys();
    auto& button = widgetOf<QPushButton>(binder, form.BitBtn2);
    ASSERT_TRUE(showActive(window));
    button.setFocus();

    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);

    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(routed, (std::vector<int>{' ', 13}));
    button.click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(BoundWindow, TextTypedIntoTheNameBoxIsInTheModelBeforeEnter) {
    std::vector<std::string> seenAtEnter;
    int changes = 0;
    form.ComboBox1.onKeyPress = [&](std::uint8_t& key) {
        if (key == 13) {
            seenAtEnter.push_back(form.ComboBox1.text());
        }
    };
    form.ComboBox1.onChange = [&] { ++changes; };
    auto& combo = widgetOf<QComboBox>(binder, form.ComboBox1);
    ASSERT_TRUE(showActive(window));
    combo.setFocus();
    ASSERT_EQ(form.focused(), &form.ComboBox1);

    QTest::keyClick(&combo, 'J');
    keyWithText(combo, Qt::Key_Odiaeresis, QString::fromUtf8("ö"));
    QTest::keyClick(&combo, Qt::Key_Return);

    EXPECT_EQ(combo.currentText(), QString::fromUtf8("Jö"));
    EXPECT_EQ(seenAtEnter, std::vector<std::string>{"J\xF6"});
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.ComboBox1.selStart(), 2);
}

TEST_F(BoundWindow, ModelFocusMovesTheRealFocus) {
    ASSERT_TRUE(showActive(window));
    form.setFocused(&form.Edit5);
    binder.sync();
    EXPECT_EQ(QApplication::focusWidget(), binder.widgetOf(form.Edit5));
}

TEST_F(BoundWindow, UserInputIsInTheModelBeforeTheHandlerRuns) {
    std::vector<int> positions;
    form.TrackBar1.onChange = [&] { positions.push_back(form.TrackBar1.position()); };
    std::vector<bool> checkedInHandler;
    form.CheckBox1.onChange = [&] { checkedInHandler.push_back(form.CheckBox1.checked()); };

    widgetOf<QSlider>(binder, form.TrackBar1).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    widgetOf<QCheckBox>(binder, form.CheckBox1).click();

    EXPECT_EQ(positions, std::vector<int>{41});
    EXPECT_EQ(checkedInHandler, std::vector<bool>{true});
}

// The same order the driver follows: the value, onChange, then onClick.
TEST_F(BoundWindow, ClickedBoxesRunOnChangeOnlyWhenTheirValueChangedThenOnClick) {
    std::vector<std::string> seen;
    for (form::Control* c : {&form.CheckBox1, &form.RadioButton19, &form.RadioButton20}) {
        c->onChange = [&seen, c] { seen.push_back("change " + c->name()); };
        c->onClick = [&seen, c] {
            seen.push_back("click " + c->name() + " " + std::to_string(c->checked()));
        };
    }
    form.CheckBox1.setChecked(true);
    form.RadioButton19.setChecked(true);
    form.RadioButton20.setChecked(false);
    binder.sync();

    widgetOf<QCheckBox>(binder, form.CheckBox1).click();
    widgetOf<QRadioButton>(binder, form.RadioButton20).click();
    widgetOf<QRadioButton>(binder, form.RadioButton20).click();

    EXPECT_EQ(seen, (std::vector<std::string>{"change CheckBox1", "click CheckBox1 0",
                                              "change RadioButton20", "click RadioButton20 1",
                                              "click RadioButton20 1"}));
    EXPECT_FALSE(form.RadioButton19.checked());
    EXPECT_FALSE(widgetOf<QRadioButton>(binder, form.RadioButton19).isChecked());
}

// A fault rate above the bar's scale shows a full bar, not an empty one.
TEST_F(BoundWindow, ABarShowsItsPositionKeptWithinItsRange) {
    auto& bar = widgetOf<QProgressBar>(binder, form.ProgressBar2);
    form.ProgressBar2.setMax(25);
    form.ProgressBar2.setPosition(33);
    binder.sync();
    EXPECT_EQ(bar.value(), 25);

    form.ProgressBar2.setMax(50);
    binder.sync();
    EXPECT_EQ(bar.value(), 33);

    form.ProgressBar2.setPosition(-4);
    binder.sync();
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(form.ProgressBar2.position(), -4); // the model keeps what the handler wrote
}

// A bar painted at once would send the window to the screen in the middle
// of a keystroke's changes, and the rest after it.
TEST_F(BoundWindow, ANewBarValueIsPaintedWithTheOtherChanges) {
    form.GroupBox14.show();
    binder.sync();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto& bar = widgetOf<QProgressBar>(binder, form.ProgressBar2);
    bar.parentWidget()->raise(); // above the boxes that share its place
    ASSERT_FALSE(bar.visibleRegion().isEmpty());
    PaintedArea painted(bar);
    painted.take();

    form.ProgressBar2.setMax(100);
    form.ProgressBar2.setPosition(60);
    binder.sync();
    EXPECT_TRUE(painted.takeWithoutWaiting().isEmpty()) << "not painted during the sync";
    EXPECT_EQ(painted.take(), QRegion(bar.rect())) << "painted once events run";
    EXPECT_EQ(bar.value(), 60);
}

// A key's marker comes and goes on every keystroke; hidden, it is not drawn
// and the mouse finds the key below it, as with a hidden widget.
TEST_F(BoundWindow, AHiddenMarkerIsNotDrawnAndTheMouseFindsItsKey) {
    form::Taste* taste = nullptr;
    for (form::Taste& t : form.tastatur.tasten()) {
        if (t.marker != nullptr && taste == nullptr) {
            taste = &t;
        }
    }
    ASSERT_NE(taste, nullptr);
    form.GroupBox5.show();
    taste->marker->show();
    taste->marker->setColor(0x0000FF);
    binder.sync();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget& key = *binder.widgetOf(taste->panel);
    QWidget& marker = *binder.widgetOf(*taste->marker);
    binder.widgetOf(form.GroupBox5)->raise(); // above the boxes that share its place
    const QPoint inside = (marker.geometry() & key.rect()).center();
    ASSERT_TRUE(key.rect().contains(inside));
    const QRgb lit = key.grab().toImage().pixel(inside);

    taste->marker->hide();
    binder.sync();
    QApplication::processEvents();
    const QRgb dark = key.grab().toImage().pixel(inside);
    EXPECT_NE(lit, dark);
    EXPECT_EQ(QColor(dark), key.palette().color(QPalette::Window)) << "the key's own colour";

    EXPECT_EQ(window.childAt(key.mapTo(&window, inside)), &key) << "the mouse finds the key";
    taste->marker->show();
    binder.sync();
    EXPECT_EQ(window.childAt(key.mapTo(&window, inside)), &marker);
}

TEST_F(BoundWindow, ModelChangesDoNotComeBackAsUserInput) {
    int changes = 0;
    form.TrackBar1.onChange = [&] { ++changes; };
    form.Edit5.onChange = [&] { ++changes; };
    form.TrackBar1.setPosition(100);
    form.TrackBar1.setMax(90);
    form.Edit5.setText("3 W");
    binder.sync();

    EXPECT_EQ(widgetOf<QSlider>(binder, form.TrackBar1).value(), 90);
    EXPECT_EQ(widgetOf<QLineEdit>(binder, form.Edit5).text(), "3 W");
    EXPECT_EQ(changes, 0);
}

TEST_F(BoundWindow, RadioButtonsShowTheModelAndReportTheSwitch) {
    auto& force = widgetOf<QRadioButton>(binder, form.RadioButton19);
    auto& countOnly = widgetOf<QRadioButton>(binder, form.RadioButton20);
    countOnly.click();
    EXPECT_TRUE(form.RadioButton20.checked());
    EXPECT_FALSE(form.RadioButton19.checked());

    form.RadioButton19.setChecked(true);
    form.RadioButton20.setChecked(false);
    binder.sync();
    EXPECT_TRUE(force.isChecked());
    EXPECT_FALSE(countOnly.isChecked());
}

TEST_F(BoundWindow, SelectionShowsInEditsAndMemos) {
    form.Edit2.setText("hello");
    form.Edit2.setSelStart(1);
    form.Edit2.setSelLength(1);
    // A memo counts its line break as two characters.
    form.Memo1.setLines({"one", "two"});
    form.Memo1.setSelStart(5);
    form.Memo1.setSelLength(3);
    binder.sync();

    EXPECT_EQ(widgetOf<QLineEdit>(binder, form.Edit2).selectedText(), "e");
    auto& memo = widgetOf<QPlainTextEdit>(binder, form.Memo1);
    EXPECT_EQ(memo.toPlainText(), "one\ntwo");
    EXPECT_EQ(memo.textCursor().selectedText(), "two");
}

TEST_F(BoundWindow, TextEditedInAMemoGoesIntoTheModel) {
    int changes = 0;
    form.Memo1.onChange = [&] { ++changes; };
    form.Memo1.setReadOnly(false);
    form.Memo1.setLines({"one", "two"});
    binder.sync();
    auto& memo = widgetOf<QPlainTextEdit>(binder, form.Memo1);

    memo.moveCursor(QTextCursor::End);
    memo.insertPlainText("!");

    EXPECT_EQ(form.Memo1.lines(), (std::vector<std::string>{"one", "two!"}));
    EXPECT_EQ(form.Memo1.selStart(), 9);
    EXPECT_EQ(changes, 1);
}

TEST_F(BoundWindow, MenuItemsFollowTheModelAndReportChoices) {
    int chosen = 0;
    form.StartLektion.onClick = [&] { ++chosen; };
    binder.actionOf(form.StartLektion)->trigger();
    EXPECT_EQ(chosen, 1);

    int opened = 0;
    form.File1.onClick = [&] { ++opened; };
    ASSERT_NE(binder.menuOf(form.File1), nullptr);
    emit binder.menuOf(form.File1)->aboutToShow();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(window.menuBar()->actions().contains(binder.menuOf(form.File1)->menuAction()));
    form.StartLektion.setEnabled(false);
    form.StartLektion.setCaption("&Begin");
    form.Sound1.setEnabled(false);
    binder.sync();
    EXPECT_FALSE(binder.actionOf(form.StartLektion)->isEnabled());
    EXPECT_EQ(binder.actionOf(form.StartLektion)->text(), "&Begin");
    EXPECT_FALSE(binder.menuOf(form.Sound1)->menuAction()->isEnabled());

    form.BeiTippfehler1.setChecked(true);
    binder.sync();
    binder.actionOf(form.BeiTippfehler1)->trigger();
    EXPECT_TRUE(binder.actionOf(form.BeiTippfehler1)->isChecked());

    // A "-" item is a bare line between the letter box's menu groups.
    const QAction* trenner = binder.actionOf(form.Trenner31);
    EXPECT_TRUE(trenner->isSeparator());
    EXPECT_TRUE(trenner->text().isEmpty());
}

TEST_F(BoundWindow, RightClickPopsUpTheNearestPopupMenu) {
    ASSERT_TRUE(showActive(window));
    form.Pause1.setEnabled(false);
    binder.sync();
    QWidget& label24 = *binder.widgetOf(form.Label24);
    QContextMenuEvent onLabel(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(&label24, &onLabel);

    QMenu* pause = binder.menuOf(form.PopupMenu5);
    EXPECT_EQ(QApplication::activePopupWidget(), pause);
    EXPECT_FALSE(binder.actionOf(form.Pause1)->isEnabled());
    pause->close();

    auto& memo = widgetOf<QPlainTextEdit>(binder, form.Memo1);
    QContextMenuEvent onMemo(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(memo.viewport(), &onMemo);
    EXPECT_EQ(QApplication::activePopupWidget(), binder.menuOf(form.PopupMenu1));
    binder.menuOf(form.PopupMenu1)->close();
}

TEST_F(BoundWindow, MouseClicksReachOnlyTheControlUnderTheMouse) {
    int label24Clicks = 0;
    int panel4Clicks = 0;
    int panelDoubleClicks = 0;
    form.Label24.onClick = [&] { ++label24Clicks; };
    form.Panel4.onClick = [&] { ++panel4Clicks; };
    form.Panel1.onDblClick = [&] { ++panelDoubleClicks; };

    QTest::mouseClick(binder.widgetOf(form.Label24), Qt::LeftButton);
    EXPECT_EQ(label24Clicks, 1);
    EXPECT_EQ(panel4Clicks, 0);
    QTest::mouseClick(binder.widgetOf(form.Panel4), Qt::LeftButton);
    EXPECT_EQ(panel4Clicks, 1);

    QTest::mouseDClick(binder.widgetOf(form.Label35), Qt::LeftButton);
    EXPECT_EQ(panelDoubleClicks, 0);
    QTest::mouseDClick(binder.widgetOf(form.Panel1), Qt::LeftButton);
    EXPECT_EQ(panelDoubleClicks, 1);
}

TEST_F(BoundWindow, TimersTickIntoTheModelAndFollowIt) {
    QTimer& timer1 = *binder.timerOf(form.Timer1);
    EXPECT_TRUE(timer1.isActive());
    EXPECT_EQ(timer1.interval(), 250);
    EXPECT_FALSE(binder.timerOf(form.Timer2)->isActive());

    form.Timer2.onTimer = [&] { form.Label24.setCaption("ticked"); };
    form.Timer2.setInterval(5);
    form.Timer2.setEnabled(true);
    binder.sync();
    QSignalSpy ticks(binder.timerOf(form.Timer2), &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(2000));
    EXPECT_EQ(label(form.Label24).text(), "ticked");

    form.Timer2.setEnabled(false);
    binder.sync();
    EXPECT_FALSE(binder.timerOf(form.Timer2)->isActive());
}

TEST_F(BoundWindow, TheModelDecidesWhetherTheWindowCloses) {
    window.show();
    bool mayClose = false;
    form.onCloseQuery = [&] { return mayClose; };
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    mayClose = true;
    form.requestClose();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(BoundWindow, OwnDialogsTakingTheFocusDoNotCountAsLeavingTheProgram) {
    int deactivations = 0;
    form.onDeactivate = [&] { ++deactivations; };
    QEvent activate(QEvent::WindowActivate);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window, &activate);
    QApplication::sendEvent(&window, &deactivate);
    EXPECT_EQ(deactivations, 0);
}

TEST(BoundGrid, ShowsCellsAndReportsTheCellClicked) {
    form::Form small("Small", "Small", 300, 200);
    form::Control grid(small, "Grid", Kind::StringGrid, nullptr, {0, 0, 200, 100});
    grid.setCell(0, 0, "L");
    grid.setCell(2, 1, "x\xE9");
    grid.setColWidth(1, 30);
    Binder binder(small);
    auto& table = widgetOf<QTableWidget>(binder, grid);

    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.columnCount(), 3);
    EXPECT_EQ(table.item(1, 2)->text(), QString::fromUtf8("xé"));
    EXPECT_EQ(table.columnWidth(0), 64);
    EXPECT_EQ(table.columnWidth(1), 30);

    int col = -1;
    int row = -1;
    grid.onMouseUp = [&](int c, int r) {
        col = c;
        row = r;
    };
    emit table.cellClicked(1, 2);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 1);
}

TEST(BoundGrid, OnlyTheTitleRowAndTheFixedColumnsLookLikeTitles) {
    form::Form small("Small", "Small", 300, 200);
    form::Control fixed(small, "Fixed", Kind::StringGrid, nullptr, {0, 0, 200, 100});
    form::Control plain(small, "Plain", Kind::StringGrid, nullptr, {0, 100, 200, 100});
    plain.setFixedCols(0);
    for (form::Control* grid : {&fixed, &plain}) {
        grid->setCell(1, 1, "x");
    }
    Binder binder(small);
    const QColor title = QApplication::palette().color(QPalette::Button);

    EXPECT_EQ(widgetOf<QTableWidget>(binder, fixed).item(1, 0)->background().color(), title);
    EXPECT_NE(widgetOf<QTableWidget>(binder, plain).item(1, 0)->background().color(), title);
    EXPECT_EQ(widgetOf<QTableWidget>(binder, plain).item(0, 1)->background().color(), title);
}

} // namespace
