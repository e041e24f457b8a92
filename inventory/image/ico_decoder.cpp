#include "inventory/image/byte_reader.h"
#include "inventory/image/decoders.h"
#include "inventory/image/dib.h"
#include "inventory/image/pixel.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace tandrel {
namespace {

// Reserved zero, then type 1: an icon (2 would be a cursor).
constexpr std::array<std::uint8_t, 4> kIcoSignature = {0, 0, 1, 0};

struct IconEntry {
    std::uint32_t width;
    std::uint32_t height;
    std::uint16_t bitCount;
    std::uint32_t size;
    std::uint32_t offset;
};

bool isLarger(const IconEntry& entry, const IconEntry& than) {
    return std::tuple(entry.width * entry.height, entry.bitCount) >
           std::tuple(than.width * than.height, than.bitCount);
}

std::optional<IconEntry> largestEntry(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    reader.skip(4); // signature
    const std::uint16_t count = reader.u16();
    std::optional<IconEntry> largest;
    for (std::uint16_t index = 0; index < count; ++index) {
        IconEntry entry{};
        // A side of 256 does not fit the byte and is written as 0.
        entry.width = reader.u8();
        entry.width = entry.width == 0 ? 256 : entry.width;
        entry.height = reader.u8();
        entry.height = entry.height == 0 ? 256 : entry.height;
        reader.skip(4); // colour count, reserved, planes: the image data says these again
        entry.bitCount = reader.u16();
        entry.size = reader.u32();
        entry.offset = reader.u32();
        if (!reader.ok()) {
            return std::nullopt;
        }
        if (!largest || isLarger(entry, *largest)) {
            largest = entry;
        }
    }
    return largest;
}

// Clears the pixels whose bit is set in the AND mask: 1 bit a pixel, rows bottom-up.
void applyMask(std::span<const std::uint8_t> mask, std::size_t stride, Image& image) {
    const auto width = static_cast<std::size_t>(image.width);
    const auto height = static_cast<std::size_t>(image.height);
    for (std::size_t row = 0; row < height; ++row) {
        const auto bits = mask.subspan(row * stride, stride);
        for (std::size_t x = 0; x < width; ++x) {
            if ((bits[x / 8] >> (7 - x % 8) & 1) != 0) {
                image.pixels[(height - 1 - row) * width + x] = 0;
            }
        }
    }
}

// A DIB icon: its header counts the colour rows and the mask rows together, both bottom-up.
std::optional<Image> decodeIconDib(std::span<const std::uint8_t> data, const ImageLimits& limits) {
    auto header = readDibHeader(data);
    if (!header || header->compression != kBiRgb || header->topDown || header->height % 2 != 0) {
        return std::nullopt;
    }
    header->height /= 2;
    auto image = decodeDibPixels(*header, data.subspan(header->size), limits);
    if (!image) {
        return std::nullopt;
    }
    const auto rows = static_cast<std::size_t>(header->height);
    const std::size_t maskStride = dibRowStride(header->width, 1);
    const auto mask = data.subspan(header->size + dibRowStride(header->width, header->bitCount) * rows);
    if (mask.size() < maskStride * rows) {
        return std::nullopt;
    }
    // Colour rows with alpha of their own (32 bits a pixel) leave the mask aside.
    if (std::all_of(image->pixels.begin(), image->pixels.end(),
                    [](std::uint32_t pixel) { return alphaOf(pixel) == 255; })) {
        applyMask(mask, maskStride, *image);
    }
    return image;
}

} // namespace

bool looksLikeIco(std::span<const std::uint8_t> bytes) {
    return startsWith(bytes, kIcoSignature);
}

std::optional<Image> decodeIco(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    const auto entry = largestEntry(bytes);
    if (!entry || std::uint64_t{entry->offset} + entry->size > bytes.size()) {
        return std::nullopt;
    }
    // Large icons are usually stored as whole PNG files.
    const auto data = bytes.subspan(entry->offset, entry->size);
    return looksLikePng(data) ? decodePng(data, limits) : decodeIconDib(data, limits);
}

} // namespace tandrel
