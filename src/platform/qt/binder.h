#pragma once

#include "form/form.h"
#include "platform/qt/binding.h"
#include "platform/qt/first_arrival.h"

#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QMainWindow;
class QMouseEvent;

namespace platform::qt {

class MainWindow;

// Shows a form model as one real Qt window and routes the window's events
// to the model's handlers. It holds no behaviour of its own: user input is
// written into the model, the handler runs, and sync() copies whatever the
// handler changed back onto the widgets.
//
//     Binder binder(program.window());
//     binder.window().show();
//
// The form must outlive the binder. The binder installs itself as an event
// filter on the application, so create at most one per window.
class Binder : public QObject {
public:
    explicit Binder(form::Form& form);
    ~Binder() override;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    QMainWindow& window();

    // Copies the controls changed since the last sync onto their widgets (and
    // the window's caption and size when they changed). Called after every
    // event the binder delivers; call it yourself after changing the model
    // outside such an event, for instance before a modal dialog.
    void sync();

    // The Qt object showing a control, or nullptr when it has none of that sort.
    QWidget* widgetOf(const form::Control& control) const;
    QAction* actionOf(const form::Control& control) const;
    QMenu* menuOf(const form::Control& control) const;
    QTimer* timerOf(const form::Control& control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void bindWidget(Binding& binding, QWidget& central);
    void bindMenuItem(Binding& binding);
    void bindTimer(Binding& binding);
    void connectInput(Binding& binding);
    void connectLineEdit(Binding& binding, QLineEdit& edit);
    void connectDocument(Binding& binding);
    void connectRange(Binding& binding);
    void writeEverything();
    void writeOrDefer(Binding& binding);
    void writeNowShowing();
    void writeWindow();
    void followModelFocus();

    void deliver(const std::function<void()>& handler);
    void userClicked(form::Control& control);
    void userTyped(Binding& binding, const QLineEdit& edit);
    void userPicked(Binding& binding, int index);
    void userEditedDocument(Binding& binding);
    void menuItemChosen(Binding& binding);

    bool previewKeyPress(QWidget& receiver, const QKeyEvent& key);
    void previewKeyRelease(const QKeyEvent& key);
    void mouseButton(QWidget& receiver, const QMouseEvent& mouse);
    bool popUpMenu(QWidget& receiver);
    void focusChanged(QWidget* now);
    void activationChanged(bool active);

    Binding* bindingOf(const form::Control* control) const;
    // The control of the nearest bound widget at or above `widget`.
    form::Control* controlAt(QWidget* widget) const;
    bool inWindow(const QWidget& widget) const;

    form::Form& form_;
    std::unique_ptr<MainWindow> window_;
    std::deque<Binding> bindings_; // a deque keeps addresses the signals capture
    std::unordered_map<const form::Control*, Binding*> byControl_;
    std::unordered_map<const QWidget*, form::Control*> byWidget_;
    // Widgets of controls that did not show when last written, in the form's
    // order: each is written in full once it shows.
    std::vector<Binding*> deferred_;
    FirstArrival keyArrival_;
    FirstArrival mouseArrival_;
    form::Control* pressed_ = nullptr;
    form::Control* focusShown_ = nullptr;
    bool writing_ = false;
    bool paintWaiting_ = false; // a paint asked for while writing
    bool active_ = false;
};

} // namespace platform::qt
