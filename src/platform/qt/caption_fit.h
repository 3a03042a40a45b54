#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace platform::qt {

// Laying a caption out is the dearest part of writing a label, and the
// counters change theirs on every keystroke. A one-line caption whose
// characters' own widths add up, with a character to spare for kerning, to
// no more than the room surely fits without being laid out. False means
// "lay it out to know", not "too wide". The widths of a few fonts' first 256
// characters are kept as they are asked for (on the GUI thread only).
bool fitsSurely(const QFont& font, const QString& text, QSize room);

} // namespace platform::qt
