#pragma once

#include "platform/qt/modal_hook.h"
#include "platform/services.h"

namespace platform::qt {

// Shows a window model as a modal dialog of its own (a frame without border
// icons) in a nested event loop, and runs the continuation once it closed.
class QtModalForms : public ModalForms {
public:
    explicit QtModalForms(const ModalHook& beforeShow) : beforeShow_(beforeShow) {}
    void showModal(form::Form& window, std::function<void()> closed) override;

private:
    const ModalHook& beforeShow_;
};

} // namespace platform::qt
