#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tandrel {

// Row-major, top row first; each pixel 0xAARRGGBB with straight (not premultiplied) alpha.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool operator==(const Image&) const = default;
};

// What a decoder may produce. Logo files are written by other programs, so a file that asks
// for more is refused rather than decoded.
struct ImageLimits {
    int maxSide = 16384;
    std::size_t maxBytes = std::size_t{256} << 20;
};

enum class ImageFormat { Bmp, Ico, Jpeg, Jpeg2000, Tiff, Tga, Png };

// The format whose decoder claims the bytes, judged by content alone.
std::optional<ImageFormat> sniffImageFormat(std::span<const std::uint8_t> bytes);
// Any supported format; nullopt for anything unknown, malformed, truncated or over the limits.
std::optional<Image> decodeImage(std::span<const std::uint8_t> bytes, const ImageLimits& limits = {});

// Smooth resampling to width x height; a side that is not positive gives an image without pixels.
Image scaleSmooth(const Image& source, int width, int height);

} // namespace tandrel
