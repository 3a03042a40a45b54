#include "form/user_input.h"

#include "form/form.h"
#include "form/radio_group.h"

#include <algorithm>

namespace form {
namespace {

// A memo's line break counts as two characters (CR LF).
constexpr int kLineBreakLength = 2;

void fire(const std::function<void()>& handler) {
    if (handler) {
        handler();
    }
}

void select(Control& control, Selection selection, int textLength) {
    const int start = std::clamp(selection.start, 0, textLength);
    control.setSelStart(start);
    control.setSelLength(std::clamp(selection.length, 0, textLength - start));
}

} // namespace

Selection caretAfter(const std::string& text) {
    return {static_cast<int>(text.size()), 0};
}

Selection caretAfter(const std::vector<std::string>& lines) {
    int length = 0;
    for (const std::string& line : lines) {
        length += static_cast<int>(line.size()) + kLineBreakLength;
    }
    return {std::max(length - kLineBreakLength, 0), 0};
}

void userClicks(Control& control) {
    const bool was = control.checked();
    if (control.kind() == Kind::CheckBox) {
        control.setChecked(!was);
    } else if (control.kind() == Kind::RadioButton) {
        checkRadio(control);
    }
    if (control.checked() != was) {
        fire(control.onChange);
    }
    fire(control.onClick);
}

void userDoubleClicks(Control& control) {
    fire(control.onDblClick);
}

void userReleasesOn(Control& grid, int col, int row) {
    if (grid.onMouseUp) {
        grid.onMouseUp(col, row);
    }
}

void userChecks(Control& box, bool checked) {
    const bool clickable =
        box.kind() == Kind::CheckBox || (box.kind() == Kind::RadioButton && checked);
    if (clickable && box.checked() != checked) {
        userClicks(box);
    }
}

void userTypes(Control& field, std::string text, Selection selection) {
    if (field.maxLength() > 0 && text.size() > static_cast<std::size_t>(field.maxLength())) {
        text.resize(static_cast<std::size_t>(field.maxLength()));
    }
    const int length = static_cast<int>(text.size());
    field.setText(std::move(text));
    select(field, selection, length);
    fire(field.onChange);
}

void userPicks(Control& combo, int index, Selection selection) {
    const auto& items = combo.items();
    const bool listed = index >= 0 && index < static_cast<int>(items.size());
    std::string text = listed ? items[static_cast<std::size_t>(index)] : std::string();
    const int length = static_cast<int>(text.size());
    combo.setItemIndex(listed ? index : -1);
    combo.setText(std::move(text));
    select(combo, selection, length);
    fire(combo.onChange);
}

void userEditsLines(Control& memo, std::vector<std::string> lines, Selection selection) {
    const int length = caretAfter(lines).start;
    memo.setLines(std::move(lines));
    select(memo, selection, length);
    fire(memo.onChange);
}

void userMoves(Control& range, int position) {
    const int kept = std::clamp(position, range.min(), std::max(range.min(), range.max()));
    if (kept == range.position()) {
        return;
    }
    range.setPosition(kept);
    fire(range.onChange);
}

} // namespace form
