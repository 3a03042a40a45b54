#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

class QLibrary;

namespace platform::qt {

// The places one of the program's own modules may lie, tried in order: beside
// the binary (the build tree), then where installing puts it.
std::vector<QString> modulePaths(const QString& fileName);

// Opens the first of `paths` that has `entry` and returns it, with the library
// kept open in `library`; null when none has it.
QFunctionPointer openModule(const std::vector<QString>& paths, const char* entry,
                            std::unique_ptr<QLibrary>& library);

} // namespace platform::qt
