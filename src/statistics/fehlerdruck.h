#pragma once

#include "state/context.h"

#include <string>
#include <vector>

// The printout of the course's fault table, and what the learner is told of
// any print job.

// The lines of the printout: heading, student, the ten rows of the table
// padded into columns for a monospaced font, and today's date.
std::vector<std::string> fehlertabellenDruckzeilen(Context& c);

// "Print fault statistics".
void BitBtn7Click(Context& c);
// "Printer setup".
void BitBtn8Click(Context& c);

// Says where a job went when it did not simply print (a PDF instead of a
// missing printer), or why it failed; `was` names what was printed.
void druckergebnisMelden(Context& c, const platform::PrintOutcome& ergebnis,
                         const std::string& was);
