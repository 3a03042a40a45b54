#pragma once

#include "state/context.h"

// "Browse user file": every record of the user file in StringGrid2, and the
// deletion of a user behind the password.

// Button11 "browse", and after every deletion: writes the signed-in
// learner's record, then lists every user. A failed write ends it there.
void benutzerdatei_einsehen(Context& c);

// The mouse let go over StringGrid2: a row of a user arms the deletion and
// asks for the password in Panel3; the header or below the rows disarms it.
void ben_loeschen(Context& c, int spalte, int zeile);

// Button24 "Delete User": deletes the armed row's user, never the one
// signed in.
void killhim(Context& c);

// Button23 "Cancel".
void nichtloeschen(Context& c);

// Edit3 takes its password in lower case, whatever was typed.
void Edit3Change(Context& c);
