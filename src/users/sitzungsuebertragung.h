#pragma once

#include "platform/services.h"
#include "session/sitzungszustand.h"
#include "users/benutzersatz.h"

// Moves a learner's values between the record and the session at sign-in
// and at datenaufdiskschreiben.
namespace users {

// What the record keeps of controls rather than of the session.
struct Steuerwerte {
    form::Colour buchstabenfeldfarbe = 0; // Panel1's colour
    int farbschema = 0;                   // ComboBox2's selected index
    int testdauer = 0;                    // ScrollBar3's position
};

// Every record field the session holds. nutzungen becomes the stored value
// + 1: the session counts the running session too. The control values are
// left to the caller (Steuerwerte), as is any limit the screen sets.
void inSitzung(const Benutzerdaten& daten, Sitzungszustand& s);

// The record of the signed-in learner as of today. Only the low byte of the
// control values and the low 16 bits of wunschanschlaege are stored.
Benutzerdaten ausSitzung(const Sitzungszustand& s, const platform::Date& heute,
                         const Steuerwerte& steuer);

} // namespace users
