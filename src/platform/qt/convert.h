#pragma once

#include "form/control.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

// The one place where the program's Windows-1252 texts, 0x00BBGGRR colours
// and font settings turn into Qt values and back.
namespace platform::qt {

QString toQString(std::string_view cp1252);
// Characters with no Windows-1252 byte become '?'.
std::string toCp1252(const QString& text);

QColor toQColor(form::Colour colour);
form::Colour fromQColor(const QColor& colour);

QFont toQFont(const form::FontSpec& model);
form::FontSpec fromQFont(const QFont& font);

// A caption as a Windows label shows it: "&&" is one '&', a single '&' only
// marks the mnemonic and is not drawn.
QString withoutMnemonics(const QString& caption);

} // namespace platform::qt
