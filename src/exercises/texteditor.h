#pragma once

#include "session/context.h"

// The own-text screens: loading a text for practice with its preview,
// creating and changing texts, and saving them in the folder "Texts".
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
