#pragma once

#include <QStyle>
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

// Whether the widget is drawn in the style whose drawing a partial repaint
// repeats exactly.
inline bool drawnInFusion(const QWidget& widget) {
    return widget.style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
}

} // namespace platform::qt
