#pragma once

#include <bit>
#include <cstdint>

namespace tandrel {

// The library decoders write B, G, R, A bytes straight into the 0xAARRGGBB pixels.
static_assert(std::endian::native == std::endian::little);

constexpr std::uint32_t argb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                             std::uint32_t blue) {
    return alpha << 24 | red << 16 | green << 8 | blue;
}

constexpr std::uint32_t opaqueGrey(std::uint32_t level) {
    return argb(255, level, level, level);
}

constexpr std::uint32_t alphaOf(std::uint32_t pixel) {
    return pixel >> 24;
}
constexpr std::uint32_t redOf(std::uint32_t pixel) {
    return pixel >> 16 & 0xFF;
}
constexpr std::uint32_t greenOf(std::uint32_t pixel) {
    return pixel >> 8 & 0xFF;
}
constexpr std::uint32_t blueOf(std::uint32_t pixel) {
    return pixel & 0xFF;
}

// A sample of 0..maximum (maximum > 0) rounded to 0..255.
constexpr std::uint32_t toEightBits(std::uint64_t sample, std::uint64_t maximum) {
    return static_cast<std::uint32_t>((sample * 255 + maximum / 2) / maximum);
}

} // namespace tandrel
