#pragma once

#include "platform/qt/modal_hook.h"
#include "platform/qt/module_loader.h"
#include "platform/services.h"

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace platform::qt {

// Prints through the print module (Qt PrintSupport), loaded at the first print
// or printer setup rather than at start-up. Without the module each of them
// says why printing is not available.
class LazyPrinter : public Printer {
public:
    // The places the module may lie, tried in order.
    LazyPrinter(std::vector<QString> modulePaths, const ModalHook& beforeShow,
                MessageBoxes& messages);

    Orientation orientation() override;
    bool setup() override;
    PrintOutcome printText(const std::string& title, const form::FontSpec& font,
                           const std::vector<std::string>& lines) override;
    PrintOutcome printWindow(const std::string& title) override;

    // The main window's client area as shown; set once the window exists.
    void setWindowImage(std::function<QImage()> grab) { windowImage_ = std::move(grab); }
    // Whether the module has been found and loaded.
    bool loaded() const { return module_.loaded(); }

    // The module beside the binary or where installing puts it.
    static std::vector<QString> defaultPaths();

private:
    Printer* module();
    PrintOutcome unavailable() const;

    const ModalHook& beforeShow_;
    MessageBoxes& messages_;
    std::function<QImage()> windowImage_;
    ModuleService<Printer> module_;
};

} // namespace platform::qt
