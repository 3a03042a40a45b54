#pragma once

#include "form/control.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QTimer;
class QWidget;

namespace platform::qt {

// The values last written onto a widget for the properties only the binder
// changes there. Comparing against them is cheaper than asking the widget
// and just as exact; an empty optional means "never written".
struct ShownValues {
    std::optional<std::string> caption;
    std::optional<std::string> tooltip;
    std::optional<std::pair<form::Colour, form::Colour>> colours;
    std::optional<form::FontSpec> font;
    std::optional<form::BevelStyle> bevel;
    std::optional<std::pair<form::ShapeStyle, form::Colour>> shape;
    std::optional<std::vector<std::string>> items;
    // A memo's lines as last put into (or found in) its editor: comparing
    // them is far cheaper than reading a long document back.
    std::optional<std::vector<std::string>> lines;
    std::optional<std::pair<int, int>> selection;
    std::optional<int> doneLength;
    std::optional<bool> readOnly;
    std::optional<int> maxLength;
    std::optional<std::string> picture;
    std::optional<std::vector<form::RichParagraph>> richText;
    std::optional<std::pair<form::Chart, std::string>> chart;
    std::optional<std::vector<form::KeyCell>> keyCells;
    std::uint64_t zOrder = 0;
};

// Records `now` as shown; true when it differs from what was shown before.
template <class T, class U> bool takeChange(std::optional<T>& shown, const U& now) {
    if (shown && *shown == now) {
        return false;
    }
    shown = now;
    return true;
}

// One control and the Qt object that shows it: a widget, a menu action (and
// the submenu when the item has items of its own), a popup menu, or a timer.
struct Binding {
    form::Control* control = nullptr;
    QWidget* widget = nullptr;
    QAction* action = nullptr;
    QMenu* menu = nullptr;
    QTimer* timer = nullptr;
    ShownValues shown;
    bool deferred = false; // only showing and stacking written so far
};

} // namespace platform::qt
