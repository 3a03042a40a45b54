#pragma once

#include "platform/services.h"
#include "state/sitzungszustand.h"
#include "users/benutzersatz.h"
#include "users/record_field.h"

// Moves a learner's values between the record and the session at sign-in
// and at datenaufdiskschreiben, along the "kept in" column of the record table.
namespace users {

// Every record field the session holds. nutzungen becomes the stored value
// + 1: the session counts the running session too. The control values are
// left to the caller (Steuerwerte), as is any limit the screen sets.
void inSitzung(const Benutzerdaten& daten, Sitzungszustand& s);

// The record of the signed-in learner as of today. Only the low byte of the
// control values and the low 16 bits of wunschanschlaege are stored.
Benutzerdaten ausSitzung(const Sitzungszustand& s, const platform::Date& heute,
                         const Steuerwerte& steuer);

} // namespace users
