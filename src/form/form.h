#pragma once

#include "form/control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace form {

// A window: its own caption and size, the registry of its named controls,
// and the list of controls changed since the binder last looked.
class Form {
public:
    Form(std::string name, std::string caption, int width, int height);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string value);
    int width() const { return width_; }
    int height() const { return height_; }

    Control* find(std::string_view name) const;
    const std::vector<Control*>& controls() const { return controls_; }
    // Controls in the order they were registered whose parent is `parent`
    // (nullptr: the window itself).
    std::vector<Control*> childrenOf(const Control* parent) const;

    // Multiplies every geometry and font size by numerator / denominator,
    // truncating, as a form designer scales a window to the screen.
    void scaleBy(int numerator, int denominator);
    // A length of the design as scaleBy made it, for a control that changes
    // its size later.
    int scaled(int designValue) const;

    // Changed controls since the last takeDirty(); each appears once.
    std::vector<Control*> takeDirty();
    bool formDirty() const { return formDirty_; }
    std::uint64_t nextZOrder() { return ++zCounter_; }

    Control* focused() const { return focused_; }
    void setFocused(Control* control) { focused_ = control; }

    // Key preview: the window's handler sees the key first and may swallow
    // it (set it to 0); otherwise the focused control gets it. Enter that
    // no focused text field takes presses the default button, if it shows.
    void dispatchKey(std::uint8_t key);

    // The button Enter presses, as a dialog's default button does.
    Control* defaultButton() const { return defaultButton_; }
    void setDefaultButton(Control* button) { defaultButton_ = button; }

    std::function<void(std::uint8_t& key)> onKeyPress;
    std::function<void(int keyCode)> onKeyUp;
    // Asks the window to close, as its close button does; whoever shows the
    // window sets onCloseRequest, which then runs onCloseQuery.
    void requestClose() {
        if (onCloseRequest) {
            onCloseRequest();
        }
    }
    std::function<void()> onCloseRequest;
    // Returns whether the window may close.
    std::function<bool()> onCloseQuery;
    std::function<void()> onDeactivate;
    // The window appears (a modal window each time it is shown).
    std::function<void()> onShow;

private:
    friend class Control;
    void registerControl(Control& control);
    void markDirty(Control& control);

    std::string name_;
    std::string caption_;
    int width_;
    int height_;
    int scaleNumerator_ = 1;
    int scaleDenominator_ = 1;
    bool formDirty_ = true;
    std::vector<Control*> controls_;
    std::unordered_map<std::string, Control*> byName_;
    std::vector<Control*> dirty_;
    std::uint64_t zCounter_ = 0;
    Control* focused_ = nullptr;
    Control* defaultButton_ = nullptr;
};

} // namespace form
