#pragma once

#include <QLibrary>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <utility>
#include <vector>

namespace platform::qt {

// The places one of the program's own modules may lie, tried in order: beside
// the binary (the build tree), then where installing puts it.
std::vector<QString> modulePaths(const QString& fileName);

// Opens the first of `paths` that has `entry` and returns it, with the library
// kept open in `library`; null when none has it.
QFunctionPointer openModule(const std::vector<QString>& paths, const char* entry,
                            std::unique_ptr<QLibrary>& library);

// A service made by one of the program's own modules, opened at its first use
// rather than at start-up, and looked for only once.
template <class Service> class ModuleService {
public:
    ModuleService(std::vector<QString> paths, const char* entry)
        : paths_(std::move(paths)), entry_(entry) {}
    // The service goes before the library that holds its code.
    ~ModuleService() { service_.reset(); }
    ModuleService(const ModuleService&) = delete;
    ModuleService& operator=(const ModuleService&) = delete;

    // The service, which `make` makes from the module's entry point at the
    // first call; null without the module.
    template <class Make> Service* get(Make&& make) {
        if (!tried_) {
            tried_ = true;
            if (const QFunctionPointer entry = openModule(paths_, entry_, library_)) {
                service_.reset(make(entry));
            }
        }
        return service_.get();
    }
    bool loaded() const { return service_ != nullptr; }

private:
    std::vector<QString> paths_;
    const char* entry_;
    bool tried_ = false;
    std::unique_ptr<QLibrary> library_;
    std::unique_ptr<Service> service_;
};

} // namespace platform::qt
