#pragma once

#include "state/context.h"
#include "users/io_result.h"

// Writes the signed-in learner's record back into the user file. A running
// repetition first gives back the lesson and part the learner had reached.
// Failures are shown to the learner and the session keeps its values; false
// then, so the caller ends there instead of going on as if the record were
// safe.
bool datenaufdiskschreiben(Context& c);

namespace users {

// The error box of a failed file operation: the operating system's text.
void dateifehlerMelden(Context& c, const IoError& fehler);

// Tells the learner once where the copy of a damaged user file was kept.
void sicherungMelden(Context& c, const std::optional<std::filesystem::path>& kopie);

} // namespace users
