#pragma once

#include <QString>
#include <string>
#include <vector>

// A memo's lines against the plain text a Qt editor holds. Positions in the
// model count a line break as two characters (CR LF), as the Windows control
// does; a Qt document counts one.
namespace platform::qt {

QString joinLines(const std::vector<std::string>& lines);
std::vector<std::string> splitLines(const QString& text);

int toDocumentPosition(const std::vector<std::string>& lines, int position);
int toModelPosition(const QString& text, int documentPosition);

} // namespace platform::qt
