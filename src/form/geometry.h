#pragma once

namespace form {

// A rectangle in pixels: on the 800-pixel design, or as shown.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Geometry&) const = default;
};

} // namespace form
