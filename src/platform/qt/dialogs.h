#pragma once

#include "platform/qt/modal_hook.h"
#include "platform/services.h"

// The standard dialogs. Each runs the modal hook first, like a message box.
namespace platform::qt {

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(const ModalHook& beforeShow) : beforeShow_(beforeShow) {}
    // The filter reads like "Text files (*.TXT *.txt)".
    std::optional<std::filesystem::path> open(const std::filesystem::path& folder,
                                              const std::string& filter) override;
    std::optional<std::filesystem::path> save(const std::filesystem::path& folder,
                                              const std::string& filter) override;

private:
    const ModalHook& beforeShow_;
};

class QtFontDialog : public FontDialog {
public:
    explicit QtFontDialog(const ModalHook& beforeShow) : beforeShow_(beforeShow) {}
    std::optional<form::FontSpec> choose(const form::FontSpec& current,
                                         const FontLimits& limits = {}) override;
    std::string familyUsedFor(const std::string& name) override;

private:
    const ModalHook& beforeShow_;
};

class QtColourDialog : public ColourDialog {
public:
    explicit QtColourDialog(const ModalHook& beforeShow) : beforeShow_(beforeShow) {}
    std::optional<form::Colour> choose(form::Colour current) override;

private:
    const ModalHook& beforeShow_;
};

} // namespace platform::qt
