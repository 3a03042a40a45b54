#include "platform/qt/property_writer.h"

#include "platform/qt/caption_fit.h"
#include "platform/qt/chart_widget.h"
#include "platform/qt/convert.h"
#include "platform/qt/key_map_widget.h"
#include "platform/qt/label_widget.h"
#include "platform/qt/memo_text.h"
#include "platform/qt/panel_widget.h"
#include "platform/qt/picture_widget.h"
#include "platform/qt/progress_bar_widget.h"
#include "platform/qt/shape_widget.h"
#include "platform/qt/string_grid.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace platform::qt {
namespace {

using form::Control;
using form::Kind;

// A line edit without a limit holds this many characters.
constexpr int kUnlimitedLength = 32767;

struct ColourRoles {
    QPalette::ColorRole background;
    QPalette::ColorRole text;
};

std::optional<ColourRoles> colourRoles(Kind kind) {
    switch (kind) {
    case Kind::GroupBox:
    case Kind::Panel:
    case Kind::RadioButton:
    case Kind::CheckBox:
        return ColourRoles{QPalette::Window, QPalette::WindowText};
    case Kind::Label:
        return ColourRoles{QPalette::NoRole, QPalette::WindowText};
    case Kind::Button:
        return ColourRoles{QPalette::NoRole, QPalette::ButtonText};
    case Kind::Edit:
    case Kind::Memo:
    case Kind::RichEdit:
    case Kind::ComboBox:
    case Kind::StringGrid:
        return ColourRoles{QPalette::Base, QPalette::Text};
    default:
        return std::nullopt;
    }
}

void writeColours(QWidget& widget, const Control& c, ShownValues& shown) {
    const auto roles = colourRoles(c.kind());
    if (!roles || !takeChange(shown.colours, std::pair(c.color(), c.fontColor()))) {
        return;
    }
    if (c.kind() == Kind::Panel) {
        // Its caption's colour is the panel's own: a new one repaints only the caption.
        static_cast<PanelWidget&>(widget).setTextColour(toQColor(c.fontColor()));
        const QColor background = toQColor(c.color());
        if (widget.palette().color(QPalette::Window) != background) {
            QPalette palette = widget.palette();
            palette.setColor(QPalette::Window, background);
            widget.setPalette(palette);
        }
        return;
    }
    QPalette palette = widget.palette();
    if (roles->background != QPalette::NoRole) {
        palette.setColor(roles->background, toQColor(c.color()));
        widget.setAutoFillBackground(roles->background == QPalette::Window);
    }
    // Only the enabled look takes the model's text colour, so a disabled
    // control still looks disabled.
    palette.setColor(QPalette::Active, roles->text, toQColor(c.fontColor()));
    palette.setColor(QPalette::Inactive, roles->text, toQColor(c.fontColor()));
    widget.setPalette(palette);
}

// A label of fixed width keeps its whole caption inside by a smaller font.
void fitCaption(QLabel& label, const Control& c, int width) {
    QFont font = toQFont(c.font());
    const int needed = fitsSurely(font, label.text(), QSize(width, std::numeric_limits<int>::max()))
                           ? 0
                           : QFontMetrics(font).size(0, label.text()).width();
    if (needed > width && needed > 0 && font.pointSizeF() > 0) {
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * width / needed));
        // Hinted fonts do not shrink in proportion: step down until it fits.
        constexpr qreal kStep = 0.5;
        while (font.pointSizeF() > 1.0 &&
               QFontMetrics(font).horizontalAdvance(label.text()) > width) {
            font.setPointSizeF(std::max(1.0, font.pointSizeF() - kStep));
        }
    }
    if (label.font() != font) {
        label.setFont(font);
    }
}

// Written after the caption and font, which decide how large a label is.
void writeGeometry(QWidget& widget, const Control& c) {
    const form::Geometry& g = c.geometry();
    QRect geometry(g.left, g.top, g.width, g.height);
    if (c.kind() == Kind::Label && c.autoSize()) {
        // A label grows to show all of its caption, as an auto-sized label does;
        // the screen's fonts are often wider than the design's.
        const auto& label = static_cast<const QLabel&>(widget);
        if (!fitsSurely(label.font(), label.text(), geometry.size())) {
            geometry.setSize(geometry.size().expandedTo(label.fontMetrics().size(0, label.text())));
        }
    } else if (c.kind() == Kind::Label) {
        fitCaption(static_cast<QLabel&>(widget), c, geometry.width());
    }
    if (widget.geometry() != geometry) {
        widget.setGeometry(geometry);
    }
}

void writeVisibility(QWidget& widget, const Control& c) {
    if (c.kind() == Kind::Shape) {
        static_cast<ShapeWidget&>(widget).setShown(c.visible());
        return;
    }
    if (widget.isHidden() == c.visible()) {
        widget.setVisible(c.visible());
    }
}

void writeStacking(QWidget& widget, const Control& c, ShownValues& shown) {
    if (shown.zOrder != c.zOrder()) {
        shown.zOrder = c.zOrder();
        widget.raise();
    }
}

void writeCommon(QWidget& widget, const Control& c, ShownValues& shown) {
    writeVisibility(widget, c);
    if (widget.testAttribute(Qt::WA_ForceDisabled) == c.enabled()) {
        widget.setEnabled(c.enabled());
    }
    static const std::string noTooltip;
    if (takeChange(shown.tooltip, c.showHint() ? c.hint() : noTooltip)) {
        widget.setToolTip(toQString(*shown.tooltip));
    }
    writeColours(widget, c, shown);
    if (takeChange(shown.font, c.font())) {
        widget.setFont(toQFont(c.font()));
    }
    writeStacking(widget, c, shown);
}

void writeChecked(QAbstractButton& button, const Control& c) {
    if (button.isChecked() == c.checked()) {
        return;
    }
    // The model decides which radio button is on; Qt must not switch a
    // sibling off behind its back.
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(c.checked());
    button.setAutoExclusive(exclusive);
}

void writeButton(QAbstractButton& button, const Control& c, ShownValues& shown) {
    if (takeChange(shown.caption, c.caption())) {
        button.setText(toQString(c.caption()));
    }
    if (c.kind() != Kind::Button) {
        writeChecked(button, c);
    }
}

void selectInLine(QLineEdit& edit, int start, int length) {
    const int begin = std::clamp(start, 0, static_cast<int>(edit.text().size()));
    if (length > 0) {
        edit.setSelection(begin, length);
    } else {
        edit.setCursorPosition(begin);
    }
}

// A line edit has no formats of its own; an input-method event with no text
// carries them, and a read-only edit takes one only while it is writable.
void showDone(QLineEdit& edit, int length) {
    QList<QInputMethodEvent::Attribute> formats;
    if (length > 0) {
        QTextCharFormat done;
        done.setForeground(edit.palette().color(QPalette::Disabled, QPalette::Text));
        formats << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat,
                                                -edit.cursorPosition(), length, done);
    }
    QInputMethodEvent event(QString(), formats);
    const bool readOnly = edit.isReadOnly();
    edit.setReadOnly(false);
    QCoreApplication::sendEvent(&edit, &event);
    edit.setReadOnly(readOnly);
}

void writeLineEdit(QLineEdit& edit, const Control& c, ShownValues& shown) {
    if (takeChange(shown.readOnly, c.readOnly())) {
        edit.setReadOnly(c.readOnly());
    }
    if (takeChange(shown.maxLength, c.maxLength())) {
        edit.setMaxLength(c.maxLength() > 0 ? c.maxLength() : kUnlimitedLength);
    }
    if (const auto echo = c.passwordChar() != 0 ? QLineEdit::Password : QLineEdit::Normal;
        edit.echoMode() != echo) {
        edit.setEchoMode(echo);
    }
    const QString text = toQString(c.text());
    const bool textWritten = edit.text() != text;
    if (textWritten) {
        edit.setText(text);
    }
    // Writing the text moves the cursor, so the model's selection goes back on.
    if (takeChange(shown.selection, std::pair(c.selStart(), c.selLength())) || textWritten) {
        selectInLine(edit, c.selStart(), c.selLength());
    }
    if (takeChange(shown.doneLength, c.doneLength()) || textWritten) {
        showDone(edit, c.doneLength());
    }
}

void writeComboBox(QComboBox& combo, const Control& c, ShownValues& shown) {
    // A read-only combo box is a plain list to pick from, with no text to type.
    if (combo.isEditable() == c.readOnly()) {
        combo.setEditable(!c.readOnly());
    }
    if (takeChange(shown.items, c.items())) {
        combo.clear();
        for (const std::string& item : c.items()) {
            combo.addItem(toQString(item));
        }
    }
    if (combo.currentIndex() != c.itemIndex()) {
        combo.setCurrentIndex(c.itemIndex());
    }
    if (combo.lineEdit() != nullptr) {
        writeLineEdit(*combo.lineEdit(), c, shown);
    }
}

template <class Editor> void writeDocument(Editor& editor, const Control& c, ShownValues& shown) {
    if (c.kind() == Kind::Memo && takeChange(shown.readOnly, c.readOnly())) {
        editor.setReadOnly(c.readOnly());
    }
    bool textWritten = false;
    if (takeChange(shown.lines, c.lines())) {
        // Typing in the editor changes the model to what it already shows:
        // only a real difference is written, so the caret stays put.
        const QString text = joinLines(c.lines());
        textWritten = editor.toPlainText() != text;
        if (textWritten) {
            editor.setPlainText(text);
        }
    }
    if (!takeChange(shown.selection, std::pair(c.selStart(), c.selLength())) && !textWritten) {
        return;
    }
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(toDocumentPosition(c.lines(), c.selStart()));
    cursor.setPosition(toDocumentPosition(c.lines(), c.selStart() + c.selLength()),
                       QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

QTextCharFormat charFormat(const form::TextRun& run) {
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    if (run.pointSize > 0) {
        format.setFontPointSize(run.pointSize);
    }
    if (run.colour) {
        format.setForeground(toQColor(*run.colour));
    }
    return format;
}

// A rich-text box shows its paragraphs with their formatting when it has
// any, and its plain lines otherwise.
void writeRichText(QTextEdit& editor, const Control& c, ShownValues& shown) {
    if (c.richText().empty()) {
        if (shown.richText) {
            editor.clear();
            shown.richText.reset();
            shown.lines.reset();
        }
        writeDocument(editor, c, shown);
        return;
    }
    if (!takeChange(shown.richText, c.richText())) {
        return;
    }
    shown.lines.reset();
    editor.clear();
    QTextCursor cursor(editor.document());
    bool first = true;
    for (const auto& paragraph : c.richText()) {
        if (!first) {
            cursor.insertBlock();
        }
        first = false;
        for (const auto& run : paragraph) {
            QString text = toQString(run.text);
            text.replace(QChar('\n'), QChar::LineSeparator);
            cursor.insertText(text, charFormat(run));
        }
    }
    editor.moveCursor(QTextCursor::Start);
}

// A position beyond the range shows at its end: a bar above its maximum is
// full. QProgressBar would ignore such a value and keep showing the old one.
template <class Range> int writeRangeOf(Range& range, const Control& c) {
    if (range.minimum() != c.min() || range.maximum() != c.max()) {
        range.setRange(c.min(), c.max());
    }
    return std::clamp(c.position(), c.min(), std::max(c.min(), c.max()));
}

void writeRange(QAbstractSlider& range, const Control& c) {
    const int shown = writeRangeOf(range, c);
    if (range.value() != shown) {
        range.setValue(shown);
    }
}

void writeProgress(ProgressBarWidget& bar, const Control& c) {
    bar.showValue(writeRangeOf(bar, c));
}

void writeCaption(LabelWidget& label, const Control& c, ShownValues& shown) {
    if (takeChange(shown.caption, c.caption())) {
        // A carriage return breaks a caption's line, as in the message texts.
        label.setCaption(withoutMnemonics(toQString(c.caption())).replace(u'\r', u'\n'));
    }
}

void writePanel(PanelWidget& panel, const Control& c, ShownValues& shown) {
    if (takeChange(shown.caption, c.caption())) {
        panel.setCaption(toQString(c.caption()));
    }
    if (takeChange(shown.bevel, c.bevel())) {
        panel.setBevel(c.bevel());
    }
}

void writeShape(ShapeWidget& shape, const Control& c, ShownValues& shown) {
    if (takeChange(shown.shape, std::pair(c.shape(), c.color()))) {
        shape.setLook(c.shape(), c.color());
    }
}

void writeChart(ChartWidget& chart, const Control& c, ShownValues& shown) {
    if (takeChange(shown.chart, std::pair(c.chart(), c.caption()))) {
        chart.setChart(c.chart(), toQString(c.caption()));
    }
}

void writeKeyMap(KeyMapWidget& keys, const Control& c, ShownValues& shown) {
    if (takeChange(shown.keyCells, c.keyCells())) {
        keys.setCells(c.keyCells());
    }
}

void writeGroupBox(QGroupBox& box, const Control& c, ShownValues& shown) {
    if (takeChange(shown.caption, c.caption())) {
        box.setTitle(toQString(c.caption()));
    }
}

void writeImage(PictureWidget& picture, const Control& c, ShownValues& shown) {
    if (takeChange(shown.picture, c.text())) {
        picture.setPicture(QString::fromStdString(c.text()),
                           QSize(c.geometry().width, c.geometry().height));
    }
}

void writeOwnProperties(QWidget& widget, const Control& c, ShownValues& shown) {
    switch (c.kind()) {
    case Kind::Label:
        return writeCaption(static_cast<LabelWidget&>(widget), c, shown);
    case Kind::GroupBox:
        return writeGroupBox(static_cast<QGroupBox&>(widget), c, shown);
    case Kind::Panel:
        return writePanel(static_cast<PanelWidget&>(widget), c, shown);
    case Kind::Button:
    case Kind::RadioButton:
    case Kind::CheckBox:
        return writeButton(static_cast<QAbstractButton&>(widget), c, shown);
    case Kind::Edit:
        return writeLineEdit(static_cast<QLineEdit&>(widget), c, shown);
    case Kind::ComboBox:
        return writeComboBox(static_cast<QComboBox&>(widget), c, shown);
    case Kind::Memo:
        return writeDocument(static_cast<QPlainTextEdit&>(widget), c, shown);
    case Kind::RichEdit:
        return writeRichText(static_cast<QTextEdit&>(widget), c, shown);
    case Kind::ProgressBar:
        return writeProgress(static_cast<ProgressBarWidget&>(widget), c);
    case Kind::TrackBar:
    case Kind::ScrollBar:
        return writeRange(static_cast<QAbstractSlider&>(widget), c);
    case Kind::StringGrid:
        return writeGrid(static_cast<QTableWidget&>(widget), c);
    case Kind::Image:
        return writeImage(static_cast<PictureWidget&>(widget), c, shown);
    case Kind::Shape:
        return writeShape(static_cast<ShapeWidget&>(widget), c, shown);
    case Kind::Chart:
        return writeChart(static_cast<ChartWidget&>(widget), c, shown);
    case Kind::KeyMap:
        return writeKeyMap(static_cast<KeyMapWidget&>(widget), c, shown);
    default:
        return;
    }
}

void writeMenuItem(QAction& action, const Control& c, ShownValues& shown) {
    if (takeChange(shown.caption, c.caption())) {
        // A caption of "-" makes the item a separator line, drawn without
        // text (some styles would print the dash beside the line).
        const bool separator = c.caption() == "-";
        action.setSeparator(separator);
        action.setText(separator ? QString() : toQString(c.caption()));
    }
    // A bold item is the menu's default.
    if (action.font().bold() != ((c.font().style & 1) != 0)) {
        QFont font = action.font();
        font.setBold((c.font().style & 1) != 0);
        action.setFont(font);
    }
    if (action.isEnabled() != c.enabled()) {
        action.setEnabled(c.enabled());
    }
    if (action.isVisible() != c.visible()) {
        action.setVisible(c.visible());
    }
    if (action.isChecked() != c.checked()) {
        action.setCheckable(true);
        action.setChecked(c.checked());
    }
}

void writeTimer(QTimer& timer, const Control& c) {
    if (timer.interval() != c.interval()) {
        timer.setInterval(c.interval());
    }
    // An interval of 0 never fires, as with the toolkit's timers.
    const bool running = c.enabled() && c.interval() > 0;
    if (running == timer.isActive()) {
        return;
    }
    if (running) {
        timer.start();
    } else {
        timer.stop();
    }
}

} // namespace

void writeControl(Binding& binding) {
    const Control& c = *binding.control;
    if (binding.timer != nullptr) {
        writeTimer(*binding.timer, c);
    } else if (binding.action != nullptr) {
        writeMenuItem(*binding.action, c, binding.shown);
    } else if (binding.widget != nullptr) {
        writeCommon(*binding.widget, c, binding.shown);
        writeOwnProperties(*binding.widget, c, binding.shown);
        writeGeometry(*binding.widget, c);
    }
}

void writeShowingAndStacking(Binding& binding) {
    writeVisibility(*binding.widget, *binding.control);
    writeStacking(*binding.widget, *binding.control, binding.shown);
}

} // namespace platform::qt
