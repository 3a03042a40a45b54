#include "platform/qt/widget_factory.h"

#include "platform/qt/chart_widget.h"
#include "platform/qt/group_box_widget.h"
#include "platform/qt/key_map_widget.h"
#include "platform/qt/label_widget.h"
#include "platform/qt/make_child.h"
#include "platform/qt/panel_widget.h"
#include "platform/qt/picture_widget.h"
#include "platform/qt/progress_bar_widget.h"
#include "platform/qt/shape_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QTextEdit>

namespace platform::qt {
namespace {

QWidget* button(QWidget* parent) {
    auto* button = makeChild<QPushButton>(parent);
    button->setAutoDefault(false);
    return button;
}

QWidget* comboBox(QWidget* parent) {
    auto* combo = makeChild<QComboBox>(parent);
    combo->setEditable(true);
    // Enter must not add what was typed to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would show more text than the model holds.
    combo->setCompleter(nullptr);
    return combo;
}

QWidget* richEdit(QWidget* parent) {
    auto* edit = makeChild<QTextEdit>(parent);
    edit->setReadOnly(true);
    return edit;
}

QWidget* trackBar(QWidget* parent) {
    auto* slider = makeChild<QSlider>(parent, Qt::Horizontal);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

QWidget* bevel(QWidget* parent) {
    auto* frame = makeChild<QFrame>(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

QWidget* stringGrid(QWidget* parent) {
    auto* grid = makeChild<QTableWidget>(parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A list longer than the grid, such as the user list of a large class, scrolls.
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setWordWrap(false);
    return grid;
}

} // namespace

QWidget* createWidget(form::Kind kind, QWidget* parent) {
    using form::Kind;
    switch (kind) {
    case Kind::GroupBox:
        return makeChild<GroupBoxWidget>(parent);
    case Kind::Panel:
        return makeChild<PanelWidget>(parent);
    case Kind::Label:
        return makeChild<LabelWidget>(parent);
    case Kind::Button:
        return button(parent);
    case Kind::Edit:
        return makeChild<QLineEdit>(parent);
    case Kind::Memo:
        return makeChild<QPlainTextEdit>(parent);
    case Kind::RichEdit:
        return richEdit(parent);
    case Kind::ComboBox:
        return comboBox(parent);
    case Kind::ProgressBar:
        return makeChild<ProgressBarWidget>(parent);
    case Kind::TrackBar:
        return trackBar(parent);
    case Kind::ScrollBar:
        return makeChild<QScrollBar>(parent, Qt::Horizontal);
    case Kind::RadioButton:
        return makeChild<QRadioButton>(parent);
    case Kind::CheckBox:
        return makeChild<QCheckBox>(parent);
    case Kind::Shape:
        return makeChild<ShapeWidget>(parent);
    case Kind::Image:
        return makeChild<PictureWidget>(parent);
    case Kind::Bevel:
        return bevel(parent);
    case Kind::StringGrid:
        return stringGrid(parent);
    case Kind::Chart:
        return makeChild<ChartWidget>(parent);
    case Kind::KeyMap:
        return makeChild<KeyMapWidget>(parent);
    case Kind::MainMenu:
    case Kind::PopupMenu:
    case Kind::MenuItem:
    case Kind::Timer:
        return nullptr;
    }
    return nullptr;
}

} // namespace platform::qt
