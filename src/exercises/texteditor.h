#pragma once

#include "state/context.h"

#include <string>
#include <vector>

// The own-text screens: loading a text for practice with its preview,
// creating and changing texts, and saving them in the folder "Texts".
// Offers to save unsaved changes (if any) before they would be lost; the
// reason, when given, stands before the question.
void speichernAnbieten(Context& c, const std::string& anlass = {});

void MenueEigeneTexte(Context& c);
void textladen(Context& c);
// The preview of the loaded text, its rows and length counted, ready to start.
void vorschauZeigen(Context& c);
// A text made by the program (not a file) in the preview under `titel`.
void textVorschauen(Context& c, std::vector<std::string> zeilen, const std::string& titel);
void TextErstellen(Context& c);
void Textaendern(Context& c);
void BitBtn6Click(Context& c);
void Memo3Change(Context& c);
void Schriftgr1(Context& c);
void MenueTextladen(Context& c);
void MenueTextErstellen(Context& c);
void MenueTextaendern(Context& c);
