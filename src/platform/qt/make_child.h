#pragma once

#include <memory>
#include <utility>

namespace platform::qt {

// Builds a Qt object whose last constructor argument is its parent: from then
// on the parent owns and deletes it, so the unique_ptr lets go at once.
template <class T, class Parent, class... Args> T* makeChild(Parent* parent, Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)..., parent).release();
}

} // namespace platform::qt
