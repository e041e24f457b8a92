#pragma once

#include "platform/geometry.h"

#include <ostream>

// How GoogleTest shows the program's geometry types in a failure message.

namespace tandrel {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "{x " << rect.x << ", y " << rect.y << ", " << rect.width << " x " << rect.height << "}";
}

inline void PrintTo(const Size& size, std::ostream* out) {
    *out << size.width << " x " << size.height;
}

} // namespace tandrel
