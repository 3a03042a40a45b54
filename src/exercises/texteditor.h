#pragma once

#include "state/context.h"

#include <string>

// The own-text screens: loading a text for practice with its preview,
// creating and changing texts, and saving them in the folder "Texts".
// Offers to save unsaved changes (if any) before they would be lost; the
// reason, when given, stands before the question.
void speichernAnbieten(Context& c, const std::string& anlass = {});

void MenueEigeneTexte(Context& c);
void textladen(Context& c);
void TextErstellen(Context& c);
void Textaendern(Context& c);
void BitBtn6Click(Context& c);
void Memo3Change(Context& c);
void Schriftgr1(Context& c);
void MenueTextladen(Context& c);
void MenueTextErstellen(Context& c);
void MenueTextaendern(Context& c);
