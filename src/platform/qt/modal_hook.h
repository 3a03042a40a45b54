#pragma once

#include <functional>
#include <utility>

namespace platform::qt {

// Runs just before a modal box or dialog opens. The window sets it to its
// sync, so while a handler waits for an answer the window already shows what
// the handler changed.
class ModalHook {
public:
    void set(std::function<void()> hook) { hook_ = std::move(hook); }
    void operator()() const {
        if (hook_) {
            hook_();
        }
    }

private:
    std::function<void()> hook_;
};

} // namespace platform::qt
