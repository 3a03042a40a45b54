#include "platform/qt/lazy_printer.h"

namespace platform::qt {
namespace {

constexpr const char* kEntry = "clavora_print_create";
constexpr const char* kModule = "libclavora-print.so";
using Create = Printer* (*)(const ModalHook&, const std::function<QImage()>&);

} // namespace

LazyPrinter::LazyPrinter(std::vector<QString> modulePaths, const ModalHook& beforeShow,
                         MessageBoxes& messages)
    : beforeShow_(beforeShow), messages_(messages), module_(std::move(modulePaths), kEntry) {}

std::vector<QString> LazyPrinter::defaultPaths() {
    return modulePaths(QString::fromLatin1(kModule));
}

Printer* LazyPrinter::module() {
    return module_.get([this](QFunctionPointer entry) {
        // The window's image is asked for at each print, so a grab set later
        // still counts.
        return reinterpret_cast<Create>(entry)(
            beforeShow_, [this] { return windowImage_ ? windowImage_() : QImage(); });
    });
}

PrintOutcome LazyPrinter::unavailable() const {
    return {PrintOutcome::Kind::Failed,
            {},
            std::string("Printing is not available: the print module (") + kModule +
                ") is missing from the program's installation."};
}

Orientation LazyPrinter::orientation() {
    Printer* printer = module();
    return printer != nullptr ? printer->orientation() : Orientation::Portrait;
}

bool LazyPrinter::setup() {
    if (Printer* printer = module()) {
        return printer->setup();
    }
    messages_.show("Clavora", unavailable().reason, Icon::Error, Buttons::Ok);
    return false;
}

PrintOutcome LazyPrinter::printText(const std::string& title, const form::FontSpec& font,
                                    const std::vector<std::string>& lines) {
    Printer* printer = module();
    return printer != nullptr ? printer->printText(title, font, lines) : unavailable();
}

PrintOutcome LazyPrinter::printWindow(const std::string& title) {
    Printer* printer = module();
    return printer != nullptr ? printer->printWindow(title) : unavailable();
}

} // namespace platform::qt
