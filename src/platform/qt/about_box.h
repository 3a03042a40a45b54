#pragma once

#include "platform/qt/modal_hook.h"
#include "platform/services.h"

namespace platform::qt {

// A small modal dialog: picture, product name, version line and OK.
class QtAboutBox : public AboutBox {
public:
    explicit QtAboutBox(const ModalHook& beforeShow) : beforeShow_(beforeShow) {}
    void show(const AboutInfo& info) override;

private:
    const ModalHook& beforeShow_;
};

} // namespace platform::qt
