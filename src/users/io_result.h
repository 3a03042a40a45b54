#pragma once

#include <concepts>
#include <string>
#include <utility>
#include <variant>

// The outcome of a file operation: its value, or the error to show the
// learner. File operations never throw, so a handler can always carry on.
namespace users {

struct IoError {
    // errno of the failed call; 0 when the program itself refused.
    int code = 0;
    // Shown as it is: the operating system's text, e.g. "Permission denied".
    std::string text;
};

IoError systemError(int code);

// Value for operations that return nothing but success.
struct Done {};

template <typename T> class [[nodiscard]] IoResult {
public:
    IoResult() requires std::same_as<T, Done>
    = default;
    IoResult(T value) : content_(std::move(value)) {}
    IoResult(IoError error) : content_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(content_); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(content_); }
    const T& value() const { return std::get<T>(content_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const IoError& error() const { return std::get<IoError>(content_); }

private:
    std::variant<T, IoError> content_;
};

using IoStatus = IoResult<Done>;

} // namespace users
