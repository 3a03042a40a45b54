#pragma once

#include "state/context.h"

// Enters the lesson's per-finger fault rates into the course table and shows
// the table of all sixteen lessons.
void gesamtfehlerstatistik(Context& c);

// The table from the Extras screen: the course so far, without the live panel.
void fehlerstatistikextras(Context& c);

// The table's fixed layout: column widths, row heights, lesson numbers and
// finger names.
void fehlertabelleEinrichten(Context& c);
