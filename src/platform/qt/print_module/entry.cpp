// The print module's one entry point, looked up by name at the first print or
// printer setup.
#include "platform/qt/print_module/qt_printer.h"

#include <QtGlobal>
#include <memory>

// A new print service, owned by the caller, who deletes it through Printer's
// virtual destructor. `windowImage` takes the main window's client area.
extern "C" Q_DECL_EXPORT platform::Printer*
clavora_print_create(const platform::qt::ModalHook& beforeShow,
                     const std::function<QImage()>& windowImage) {
    auto printer = std::make_unique<platform::qt::QtPrinter>(beforeShow);
    printer->setWindowImage(windowImage);
    return printer.release();
}
