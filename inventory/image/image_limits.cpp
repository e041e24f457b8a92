#include "inventory/image/image_limits.h"

namespace tandrel {

bool fitsLimits(std::int64_t width, std::int64_t height, const ImageLimits& limits) {
    if (width <= 0 || height <= 0 || width > limits.maxSide || height > limits.maxSide) {
        return false;
    }
    // Both sides fit in an int here, so the product cannot overflow 64 bits.
    return static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4u <= limits.maxBytes;
}

std::optional<Image> blankImage(std::int64_t width, std::int64_t height, const ImageLimits& limits) {
    if (!fitsLimits(width, height, limits)) {
        return std::nullopt;
    }
    const auto count = static_cast<std::size_t>(width * height);
    return Image{static_cast<int>(width), static_cast<int>(height), std::vector<std::uint32_t>(count)};
}

} // namespace tandrel
