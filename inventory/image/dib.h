#pragma once

#include "inventory/image/image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tandrel {

// A device-independent bitmap as BMP files and icons hold it: an info header
// (BITMAPINFOHEADER or one of its successors), colour masks, a palette, then the rows.
struct DibHeader {
    int width;
    int height;
    bool topDown;
    int bitCount;
    std::uint32_t compression;
    // Red, green, blue, alpha; a zero mask leaves its channel out.
    std::array<std::uint32_t, 4> masks;
    std::array<std::uint32_t, 256> palette;
    // Bytes of header, masks and palette together: in an icon, where the rows begin.
    std::size_t size;
};

inline constexpr std::uint32_t kBiRgb = 0;

std::optional<DibHeader> readDibHeader(std::span<const std::uint8_t> dib);
// Rows of a DIB are padded to whole 32-bit words.
std::size_t dibRowStride(int width, int bitCount);
std::optional<Image> decodeDibPixels(const DibHeader& header, std::span<const std::uint8_t> rows,
                                     const ImageLimits& limits);

} // namespace tandrel
