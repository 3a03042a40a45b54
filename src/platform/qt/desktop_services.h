#pragma once

#include "platform/services.h"

#include <memory>

class QWidget;

// The small services that each wrap one call of the desktop.
namespace platform::qt {

class QtScreen : public Screen {
public:
    int width() override;
    int height() override;
    ScreenSize resolution() override;
    int pixelsPerInch() override;
};

// Places a top-level window, frame included, in the middle of the screen's
// free area.
void centreOnScreen(QWidget& window);

class QtDisk : public Disk {
public:
    // 0 when the place cannot be asked.
    std::uintmax_t freeBytes(const std::filesystem::path& where) override;
};

class HelpWindow;

// Help pages open in a window of the program's own, anything else with the
// desktop's program for it.
class QtDocumentOpener : public DocumentOpener {
public:
    QtDocumentOpener();
    ~QtDocumentOpener() override;
    bool open(const std::filesystem::path& document) override;

private:
    std::unique_ptr<HelpWindow> help_;
};

class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
};

} // namespace platform::qt
