#pragma once

#include <QWidget>
#include <utility>

namespace platform::qt {

// Makes `change` with the widget's own repaint held back: QLabel and
// QProgressBar repaint the whole widget for a new value, where the caller
// repaints only the part that changed.
template <class Change> void withRepaintHeld(QWidget& widget, Change&& change) {
    const bool updatesWereDisabled = widget.testAttribute(Qt::WA_UpdatesDisabled);
    widget.setAttribute(Qt::WA_UpdatesDisabled);
    std::forward<Change>(change)();
    widget.setAttribute(Qt::WA_UpdatesDisabled, updatesWereDisabled);
}

} // namespace platform::qt
