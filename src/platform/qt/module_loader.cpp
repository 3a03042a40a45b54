#include "platform/qt/module_loader.h"

#include <QCoreApplication>
#include <QLibrary>

namespace platform::qt {

std::vector<QString> modulePaths(const QString& fileName) {
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + u'/' + fileName,
            bin + QStringLiteral("/" CLAVORA_MODULES_FROM_BIN "/") + fileName};
}

QFunctionPointer openModule(const std::vector<QString>& paths, const char* entry,
                            std::unique_ptr<QLibrary>& library) {
    for (const QString& path : paths) {
        auto candidate = std::make_unique<QLibrary>(path);
        if (const QFunctionPointer found = candidate->resolve(entry)) {
            library = std::move(candidate);
            return found;
        }
    }
    return nullptr;
}

} // namespace platform::qt
