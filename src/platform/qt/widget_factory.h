#pragma once

#include "form/control.h"

#include <QWidget>

namespace platform::qt {

// The widget that shows a control of this kind, owned by `parent`; nullptr
// for the kinds that are no widget (menus, menu items, timers).
QWidget* createWidget(form::Kind kind, QWidget* parent);

} // namespace platform::qt
