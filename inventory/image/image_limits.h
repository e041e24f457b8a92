#pragma once

#include "inventory/image/image.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tandrel {

// What a library may allocate for itself while it decodes one image, on top of the image.
inline constexpr std::size_t kLibraryMemoryBudget = std::size_t{256} << 20;

bool fitsLimits(std::int64_t width, std::int64_t height, const ImageLimits& limits);
// A transparent width x height image, or nullopt when a side is not positive or the limits refuse it.
std::optional<Image> blankImage(std::int64_t width, std::int64_t height, const ImageLimits& limits);

} // namespace tandrel
