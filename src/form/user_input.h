#pragma once

#include "form/control.h"

#include <string>
#include <vector>

// What a person's input does to a control: which property changes, which
// events run and in which order. The real window and the headless driver both
// go through these, so a replayed session does what the window does.
namespace form {

// The caret (length 0) or the selected part of a text control after an edit.
// A memo counts each line break as two characters.
struct Selection {
    int start = 0;
    int length = 0;
};

// The caret after the last character.
Selection caretAfter(const std::string& text);
Selection caretAfter(const std::vector<std::string>& lines);

// A click. A check box toggles; a radio button is checked and its radio
// siblings unchecked (a checked one stays so). Qt changes a box's value
// before it reports the click, so the value changes first, then onChange if
// it did, then onClick. Any other control runs only onClick.
void userClicks(Control& control);
void userDoubleClicks(Control& control);
// The mouse let go over a cell of a grid.
void userReleasesOn(Control& grid, int col, int row);

// Ticks or unticks a check box, or checks a radio button, by clicking it when
// it shows otherwise. Nobody unchecks a radio button by clicking it: that is
// left alone.
void userChecks(Control& box, bool checked);

// The text an edit left in a line edit or a combo box, cut to its maxLength
// (which the field holds at most); then onChange.
void userTypes(Control& field, std::string text, Selection selection);
// An item picked from a combo box's list (-1: none) becomes its text; then
// onChange, even for the item already shown.
void userPicks(Control& combo, int index, Selection selection);
// The lines an edit left in a memo; then onChange.
void userEditsLines(Control& memo, std::vector<std::string> lines, Selection selection);
// A slider or scroll bar moved, kept within min..max; onChange only when the
// position moved, as a slider reports no move to where it already is.
void userMoves(Control& range, int position);

} // namespace form
