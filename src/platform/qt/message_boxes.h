#pragma once

#include "platform/qt/modal_hook.h"
#include "platform/services.h"

namespace platform::qt {

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(const ModalHook& beforeShow) : beforeShow_(beforeShow) {}
    Answer show(const std::string& caption, const std::string& text, Icon icon,
                Buttons buttons) override;

private:
    const ModalHook& beforeShow_;
};

} // namespace platform::qt
