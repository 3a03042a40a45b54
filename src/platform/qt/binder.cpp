#include "platform/qt/binder.h"

#include "form/user_input.h"
#include "platform/qt/convert.h"
#include "platform/qt/key_translation.h"
#include "platform/qt/main_window.h"
#include "platform/qt/make_child.h"
#include "platform/qt/memo_text.h"
#include "platform/qt/property_writer.h"
#include "platform/qt/widget_factory.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <utility>

namespace platform::qt {
namespace {

using form::Control;
using form::Kind;

// Controls whose click comes from the mouse on the widget itself; buttons,
// boxes and the rest report theirs through Qt's own signals.
bool clickedByMouse(Kind kind) {
    switch (kind) {
    case Kind::GroupBox:
    case Kind::Panel:
    case Kind::Label:
    case Kind::Edit:
    case Kind::Memo:
    case Kind::RichEdit:
    case Kind::ProgressBar:
    case Kind::Shape:
    case Kind::Image:
    case Kind::Bevel:
        return true;
    default:
        return false;
    }
}

bool isMouseButtonEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

// Ctrl or Alt marks a shortcut or a menu mnemonic. Both together are how
// AltGr reaches some keyboards, and the character it types is no shortcut.
bool isShortcut(const QKeyEvent& key) {
    return key.modifiers().testFlag(Qt::ControlModifier) !=
           key.modifiers().testFlag(Qt::AltModifier);
}

std::pair<int, int> lineSelection(const QLineEdit& edit) {
    if (edit.hasSelectedText()) {
        return {edit.selectionStart(), static_cast<int>(edit.selectedText().size())};
    }
    return {edit.cursorPosition(), 0};
}

template <class Container>
QAction* addMenuItem(Container& container, Binding& binding, bool hasItems) {
    if (!hasItems) {
        return container.addAction(QString());
    }
    binding.menu = container.addMenu(QString());
    return binding.menu->menuAction();
}

} // namespace

Binder::Binder(form::Form& form) : form_(form), window_(std::make_unique<MainWindow>()) {
    build();
    writeEverything();
    window_->closeAllowed = [this] {
        const bool allowed = !form_.onCloseQuery || form_.onCloseQuery();
        sync();
        return allowed;
    };
    form_.onCloseRequest = [this] { window_->close(); };
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState state) { activationChanged(state == Qt::ApplicationActive); });
    qApp->installEventFilter(this);
}

Binder::~Binder() {
    if (QCoreApplication::instance() != nullptr) {
        qApp->removeEventFilter(this);
        disconnect(qApp, nullptr, this, nullptr);
    }
    form_.onCloseRequest = nullptr;
    // Widgets going away must not be taken for user input.
    writing_ = true;
    window_.reset();
}

QMainWindow& Binder::window() {
    return *window_;
}

QWidget* Binder::widgetOf(const Control& control) const {
    const Binding* binding = bindingOf(&control);
    return binding != nullptr ? binding->widget : nullptr;
}

QAction* Binder::actionOf(const Control& control) const {
    const Binding* binding = bindingOf(&control);
    return binding != nullptr ? binding->action : nullptr;
}

QMenu* Binder::menuOf(const Control& control) const {
    const Binding* binding = bindingOf(&control);
    return binding != nullptr ? binding->menu : nullptr;
}

QTimer* Binder::timerOf(const Control& control) const {
    const Binding* binding = bindingOf(&control);
    return binding != nullptr ? binding->timer : nullptr;
}

void Binder::build() {
    auto* central = makeChild<QWidget>(window_.get());
    window_->setCentralWidget(central);
    window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (Control* control : form_.controls()) {
        Binding& binding = bindings_.emplace_back();
        binding.control = control;
        byControl_.emplace(control, &binding);
        switch (control->kind()) {
        case Kind::MainMenu:
            break;
        case Kind::PopupMenu:
            binding.menu = makeChild<QMenu>(window_.get());
            break;
        case Kind::MenuItem:
            bindMenuItem(binding);
            break;
        case Kind::Timer:
            bindTimer(binding);
            break;
        default:
            bindWidget(binding, *central);
            break;
        }
    }
}

void Binder::bindWidget(Binding& binding, QWidget& central) {
    const Control* owner = binding.control->parent();
    QWidget* parent = owner != nullptr ? widgetOf(*owner) : nullptr;
    binding.widget = createWidget(binding.control->kind(), parent != nullptr ? parent : &central);
    byWidget_.emplace(binding.widget, binding.control);
    connectInput(binding);
}

void Binder::bindMenuItem(Binding& binding) {
    const Control* owner = binding.control->parent();
    const bool hasItems = !form_.childrenOf(binding.control).empty();
    if (owner != nullptr && owner->kind() == Kind::MainMenu) {
        binding.action = addMenuItem(*window_->menuBar(), binding, hasItems);
    } else if (QMenu* menu = owner != nullptr ? menuOf(*owner) : nullptr) {
        binding.action = addMenuItem(*menu, binding, hasItems);
    }
    if (binding.menu != nullptr) {
        // An item with items of its own is clicked as its submenu opens, so
        // its handler can still set the items up.
        Control* control = binding.control;
        connect(binding.menu, &QMenu::aboutToShow, this,
                [this, control] { userClicked(*control); });
    } else if (binding.action != nullptr) {
        connect(binding.action, &QAction::triggered, this,
                [this, &binding] { menuItemChosen(binding); });
    }
}

void Binder::bindTimer(Binding& binding) {
    binding.timer = makeChild<QTimer>(this);
    const Control* control = binding.control;
    connect(binding.timer, &QTimer::timeout, this, [this, control] { deliver(control->onTimer); });
}

void Binder::connectInput(Binding& binding) {
    QWidget* widget = binding.widget;
    Control* control = binding.control;
    switch (control->kind()) {
    case Kind::Button:
    case Kind::RadioButton:
    case Kind::CheckBox:
        connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                [this, control] { userClicked(*control); });
        break;
    case Kind::Edit:
        connectLineEdit(binding, *static_cast<QLineEdit*>(widget));
        break;
    case Kind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        connectLineEdit(binding, *combo->lineEdit());
        connect(combo, &QComboBox::activated, this,
                [this, &binding](int index) { userPicked(binding, index); });
        break;
    }
    case Kind::Memo:
        connectDocument(binding);
        break;
    case Kind::TrackBar:
    case Kind::ScrollBar:
        connectRange(binding);
        break;
    case Kind::StringGrid:
        connect(static_cast<QTableWidget*>(widget), &QTableWidget::cellClicked, this,
                [this, control](int row, int col) {
                    form::userReleasesOn(*control, col, row);
                    sync();
                });
        break;
    default:
        break;
    }
}

void Binder::connectLineEdit(Binding& binding, QLineEdit& edit) {
    connect(&edit, &QLineEdit::textEdited, this,
            [this, &binding, &edit] { userTyped(binding, edit); });
}

void Binder::connectDocument(Binding& binding) {
    connect(static_cast<QPlainTextEdit*>(binding.widget), &QPlainTextEdit::textChanged, this,
            [this, &binding] { userEditedDocument(binding); });
}

void Binder::connectRange(Binding& binding) {
    Control* control = binding.control;
    connect(static_cast<QAbstractSlider*>(binding.widget), &QAbstractSlider::valueChanged, this,
            [this, control](int value) {
                if (writing_) {
                    return;
                }
                form::userMoves(*control, value);
                sync();
            });
}

void Binder::writeEverything() {
    const QScopedValueRollback<bool> writing(writing_, true);
    writeWindow();
    for (Binding& binding : bindings_) {
        writeOrDefer(binding);
    }
    form_.takeDirty();
    followModelFocus();
}

void Binder::sync() {
    if (writing_) {
        return;
    }
    const QScopedValueRollback<bool> writing(writing_, true);
    if (form_.formDirty()) {
        writeWindow();
    }
    bool shown = false;
    for (const Control* control : form_.takeDirty()) {
        if (Binding* binding = bindingOf(control)) {
            const bool wasHidden = binding->widget != nullptr && binding->widget->isHidden();
            writeOrDefer(*binding);
            shown = shown || (wasHidden && !binding->widget->isHidden());
        }
    }
    if (shown) {
        writeNowShowing();
    }
    followModelFocus();
    if (std::exchange(paintWaiting_, false)) {
        // The event loop owns a posted event.
        QCoreApplication::postEvent(window_.get(),
                                    std::make_unique<QEvent>(QEvent::UpdateRequest).release(),
                                    Qt::LowEventPriority);
    }
}

// Most of the window's controls belong to screens not shown at start: a
// widget that does not show is written in full only once it does.
void Binder::writeOrDefer(Binding& binding) {
    if (binding.widget == nullptr || binding.control->showing()) {
        if (std::exchange(binding.deferred, false)) {
            std::erase(deferred_, &binding);
        }
        writeControl(binding);
        return;
    }
    writeShowingAndStacking(binding);
    if (!std::exchange(binding.deferred, true)) {
        deferred_.push_back(&binding);
    }
}

// A control shows when its box does, though only the box changed.
void Binder::writeNowShowing() {
    std::vector<Binding*> stillHidden;
    for (Binding* binding : deferred_) {
        if (binding->control->showing()) {
            binding->deferred = false;
            writeControl(*binding);
        } else {
            stillHidden.push_back(binding);
        }
    }
    deferred_ = std::move(stillHidden);
}

void Binder::writeWindow() {
    const QString title = toQString(form_.caption());
    if (window_->windowTitle() != title) {
        window_->setWindowTitle(title);
    }
    // The form's size is its client area; the window keeps exactly that.
    const QSize size(form_.width(), form_.height());
    QWidget* central = window_->centralWidget();
    if (central->minimumSize() != size || central->maximumSize() != size) {
        central->setFixedSize(size);
    }
}

void Binder::followModelFocus() {
    Control* wanted = form_.focused();
    if (wanted == focusShown_) {
        return;
    }
    QWidget* widget = wanted != nullptr ? widgetOf(*wanted) : nullptr;
    if (widget != nullptr && !widget->isVisible()) {
        return; // a hidden widget takes no focus; try again once it shows
    }
    focusShown_ = wanted;
    if (widget != nullptr) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void Binder::deliver(const std::function<void()>& handler) {
    if (handler) {
        handler();
    }
    sync();
}

// The widget showed the model's value when it was clicked, so the model
// makes the same switch Qt made (a box toggles, a radio button and its
// siblings swap) and runs the handlers in the same order.
void Binder::userClicked(Control& control) {
    if (writing_) {
        return;
    }
    form::userClicks(control);
    sync();
}

void Binder::userTyped(Binding& binding, const QLineEdit& edit) {
    if (writing_) {
        return;
    }
    const auto [start, length] = lineSelection(edit);
    form::userTypes(*binding.control, toCp1252(edit.text()), {start, length});
    binding.shown.selection = std::pair(start, length);
    sync();
}

void Binder::userPicked(Binding& binding, int index) {
    if (writing_) {
        return;
    }
    const auto* combo = static_cast<QComboBox*>(binding.widget);
    // A read-only combo box has no line to select in.
    const auto [start, length] =
        combo->lineEdit() != nullptr ? lineSelection(*combo->lineEdit()) : std::pair(0, 0);
    form::userPicks(*binding.control, index, {start, length});
    binding.shown.selection = std::pair(start, length);
    sync();
}

void Binder::userEditedDocument(Binding& binding) {
    const auto* editor = static_cast<QPlainTextEdit*>(binding.widget);
    if (writing_ || editor->isReadOnly()) {
        return;
    }
    const QString text = editor->toPlainText();
    const QTextCursor cursor = editor->textCursor();
    const int start = toModelPosition(text, cursor.selectionStart());
    const int end = toModelPosition(text, cursor.selectionEnd());
    form::userEditsLines(*binding.control, splitLines(text), {start, end - start});
    binding.shown.selection = std::pair(start, end - start);
    sync();
}

void Binder::menuItemChosen(Binding& binding) {
    form::userClicks(*binding.control);
    sync();
    // Qt ticks a checkable item itself; only the model may say it is ticked.
    const QScopedValueRollback<bool> writing(writing_, true);
    writeControl(binding);
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A progress bar paints at once when its value changes visibly, which would
    // send the window to the screen in the middle of a keystroke's changes:
    // that paint waits for the others, and all go to the screen together.
    if (type == QEvent::UpdateRequest && writing_ && watched == window_.get()) {
        paintWaiting_ = true;
        return true;
    }
    const bool watchedType = type == QEvent::KeyPress || type == QEvent::KeyRelease ||
                             type == QEvent::ContextMenu || isMouseButtonEvent(type);
    if (!watchedType || !watched->isWidgetType()) {
        return false;
    }
    auto& widget = static_cast<QWidget&>(*watched);
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        if (!keyArrival_.check(static_cast<const QInputEvent&>(*event), widget) ||
            !inWindow(widget)) {
            return false;
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (type == QEvent::KeyRelease) {
            previewKeyRelease(key);
            return false;
        }
        return previewKeyPress(widget, key);
    }
    if (type == QEvent::ContextMenu) {
        return inWindow(widget) && popUpMenu(widget);
    }
    if (mouseArrival_.check(static_cast<const QInputEvent&>(*event), widget) && inWindow(widget)) {
        mouseButton(widget, static_cast<const QMouseEvent&>(*event));
    }
    return false;
}

bool Binder::previewKeyPress(QWidget& receiver, const QKeyEvent& key) {
    // Tab moves the focus; the menu bar handles its own keys.
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
        qobject_cast<QMenuBar*>(&receiver) != nullptr) {
        return false;
    }
    const auto byte = typedByte(key);
    if (!byte || isShortcut(key)) {
        return false;
    }
    // Decided before the handler runs: it may move the focus or hide the box.
    const bool typing = takesTyping(receiver, *byte);
    form_.dispatchKey(*byte);
    sync();
    // Anywhere else the key is spent, so Space or Enter never presses a button;
    // a window without key preview (the results window) leaves it to its controls.
    return !typing && static_cast<bool>(form_.onKeyPress);
}

void Binder::previewKeyRelease(const QKeyEvent& key) {
    if (key.isAutoRepeat()) {
        return;
    }
    const auto code = virtualKeyCode(key.key());
    if (!code) {
        return;
    }
    if (form_.onKeyUp) {
        form_.onKeyUp(*code);
    }
    sync();
}

void Binder::mouseButton(QWidget& receiver, const QMouseEvent& mouse) {
    if (mouse.button() != Qt::LeftButton) {
        return;
    }
    Control* control = controlAt(&receiver);
    const bool usable = control != nullptr && receiver.isEnabled();
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
        pressed_ = control;
        return;
    case QEvent::MouseButtonDblClick:
        pressed_ = nullptr;
        if (usable && (control->kind() == Kind::Panel || control->kind() == Kind::Image)) {
            form::userDoubleClicks(*control);
            sync();
        }
        return;
    default:
        break;
    }
    const bool click = usable && control == pressed_ && clickedByMouse(control->kind()) &&
                       receiver.rect().contains(mouse.position().toPoint());
    pressed_ = nullptr;
    if (click) {
        userClicked(*control);
    }
}

bool Binder::popUpMenu(QWidget& receiver) {
    for (const Control* c = controlAt(&receiver); c != nullptr; c = c->parent()) {
        QMenu* menu = c->popupMenu != nullptr ? menuOf(*c->popupMenu) : nullptr;
        if (menu != nullptr) {
            menu->popup(QCursor::pos());
            return true;
        }
    }
    return false;
}

void Binder::focusChanged(QWidget* now) {
    // Focus leaving for a message box or another program keeps the model's
    // focused control, as the window's active control stays put meanwhile.
    if (now == nullptr || !inWindow(*now)) {
        return;
    }
    focusShown_ = controlAt(now);
    form_.setFocused(focusShown_);
}

void Binder::activationChanged(bool active) {
    if (active) {
        active_ = true;
        return;
    }
    // Only the whole program losing the focus counts: the program's own message
    // boxes and dialogs take the focus from the window without pausing.
    if (!active_) {
        return;
    }
    active_ = false;
    deliver(form_.onDeactivate);
}

Binding* Binder::bindingOf(const Control* control) const {
    const auto it = byControl_.find(control);
    return it != byControl_.end() ? it->second : nullptr;
}

Control* Binder::controlAt(QWidget* widget) const {
    for (; widget != nullptr && widget != window_.get(); widget = widget->parentWidget()) {
        const auto it = byWidget_.find(widget);
        if (it != byWidget_.end()) {
            return it->second;
        }
    }
    return nullptr;
}

bool Binder::inWindow(const QWidget& widget) const {
    return widget.window() == window_.get();
}

} // namespace platform::qt
