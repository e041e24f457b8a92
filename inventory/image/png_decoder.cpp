#include "inventory/image/byte_reader.h"
#include "inventory/image/decoders.h"
#include "inventory/image/image_limits.h"
#include "inventory/image/pixel.h"

#include <png.h>

#include <array>

namespace tandrel {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// libpng's simplified reader, which keeps its state behind png_image::opaque until freed.
class PngReader {
public:
    PngReader() { image.version = PNG_IMAGE_VERSION; }
    ~PngReader() { png_image_free(&image); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    png_image image{};
};

} // namespace

bool looksLikePng(std::span<const std::uint8_t> bytes) {
    return startsWith(bytes, kPngSignature);
}

std::optional<Image> decodePng(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    PngReader png;
    if (!png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    auto image = blankImage(png.image.width, png.image.height, limits);
    if (!image) {
        return std::nullopt;
    }
    // BGRA bytes are the 0xAARRGGBB pixels, so libpng writes the result in place, in one pass.
    png.image.format = PNG_FORMAT_BGRA;
    // Without a gAMA or sRGB chunk libpng would take 16-bit samples for linear light and
    // brighten them; the programs that write such files mean sRGB, as for 8-bit ones.
    png.image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    if (!png_image_finish_read(&png.image, nullptr, image->pixels.data(), 0, nullptr) ||
        (png.image.warning_or_error & PNG_IMAGE_ERROR) != 0) {
        return std::nullopt;
    }
    return image;
}

} // namespace tandrel
