#include "inventory/image/byte_reader.h"
#include "inventory/image/decoders.h"
#include "inventory/image/image_limits.h"
#include "inventory/image/pixel.h"

#include <array>

namespace tandrel {
namespace {

enum class TgaKind { ColourMapped, TrueColour, Grey };

struct TgaHeader {
    std::uint8_t idLength;
    TgaKind kind;
    bool runLength;
    std::uint16_t mapFirst;
    std::uint16_t mapLength;
    std::uint8_t mapEntryBits;
    std::uint16_t width;
    std::uint16_t height;
    std::uint8_t pixelBits;
    std::uint8_t alphaBits;
    bool rightToLeft;
    bool topToBottom;
};

constexpr std::size_t kHeaderSize = 18;

bool isColourDepth(std::uint8_t bits) {
    return bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

// Alpha (attribute) bits a pixel of this depth can carry.
bool fitsAlpha(std::uint8_t pixelBits, std::uint8_t alphaBits) {
    switch (pixelBits) {
    case 32:
        return alphaBits == 0 || alphaBits == 8;
    case 16:
        return alphaBits <= 1;
    default:
        return alphaBits == 0;
    }
}

// TGA has no magic bytes, so every field is held to what a real file can contain; that keeps
// other data from being taken for a TGA.
std::optional<TgaHeader> readTgaHeader(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    TgaHeader header{};
    header.idLength = reader.u8();
    const std::uint8_t mapType = reader.u8();
    const std::uint8_t imageType = reader.u8();
    header.mapFirst = reader.u16();
    header.mapLength = reader.u16();
    header.mapEntryBits = reader.u8();
    reader.skip(4); // x and y origin: where the image sits on a screen
    header.width = reader.u16();
    header.height = reader.u16();
    header.pixelBits = reader.u8();
    const std::uint8_t descriptor = reader.u8();
    header.alphaBits = descriptor & 0x0F;
    header.rightToLeft = (descriptor & 0x10) != 0;
    header.topToBottom = (descriptor & 0x20) != 0;
    header.runLength = imageType >= 9;
    const std::uint8_t baseType = header.runLength ? static_cast<std::uint8_t>(imageType - 8) : imageType;

    const bool mapped = mapType == 1;
    const bool mapValid = mapped ? header.mapLength > 0 && isColourDepth(header.mapEntryBits)
                                 : mapType == 0 && header.mapLength == 0;
    bool pixelsValid = false;
    switch (baseType) {
    case 1:
        header.kind = TgaKind::ColourMapped;
        pixelsValid = mapped && header.pixelBits == 8 && header.mapFirst + header.mapLength <= 256;
        break;
    case 2:
        header.kind = TgaKind::TrueColour;
        pixelsValid = isColourDepth(header.pixelBits) && fitsAlpha(header.pixelBits, header.alphaBits);
        break;
    case 3:
        header.kind = TgaKind::Grey;
        pixelsValid = header.pixelBits == 8 && header.alphaBits == 0;
        break;
    default:
        break;
    }
    const bool interleaved = (descriptor & 0xC0) != 0;
    if (!reader.ok() || !mapValid || !pixelsValid || interleaved || header.width == 0 || header.height == 0) {
        return std::nullopt;
    }
    return header;
}

// Repeats the top bits below, so that 31 becomes 255 and 0 stays 0.
std::uint32_t fiveBits(std::uint32_t value) {
    return value << 3 | value >> 2;
}

// One colour of entryBits bits, little-endian, as TGA stores pixels and colour-map entries.
std::uint32_t colourOf(std::span<const std::uint8_t> value, std::uint8_t entryBits, bool useAlpha) {
    switch (entryBits) {
    case 15:
    case 16: {
        const std::uint32_t packed = std::uint32_t{value[0]} | std::uint32_t{value[1]} << 8;
        const std::uint32_t alpha = useAlpha && (packed & 0x8000) == 0 ? 0 : 255;
        return argb(alpha, fiveBits(packed >> 10 & 0x1F), fiveBits(packed >> 5 & 0x1F),
                    fiveBits(packed & 0x1F));
    }
    case 24:
        return argb(255, value[2], value[1], value[0]);
    default:
        return argb(useAlpha ? value[3] : 255, value[2], value[1], value[0]);
    }
}

using Palette = std::array<std::uint32_t, 256>;

std::size_t bytesPerPixel(std::uint8_t bits) {
    return (bits + 7u) / 8u;
}

// Indices the map does not cover show as opaque black. A true-colour file may carry a map it
// does not use; it is read past all the same.
std::optional<Palette> readPalette(ByteReader& reader, const TgaHeader& header) {
    Palette palette;
    palette.fill(argb(255, 0, 0, 0));
    for (std::size_t index = 0; index < header.mapLength; ++index) {
        const auto entry = reader.take(bytesPerPixel(header.mapEntryBits));
        if (!reader.ok()) {
            return std::nullopt;
        }
        // 32-bit map entries carry alpha; the descriptor's alpha bits speak of the pixels.
        if (header.mapFirst + index < palette.size()) {
            palette[header.mapFirst + index] =
                colourOf(entry, header.mapEntryBits, header.mapEntryBits == 32);
        }
    }
    return palette;
}

// The fewest bytes that can hold the pixels, checked before anything is allocated for them.
std::size_t leastPixelBytes(const TgaHeader& header) {
    const std::size_t count = std::size_t{header.width} * header.height;
    const std::size_t pixelBytes = bytesPerPixel(header.pixelBits);
    // A run-length packet covers at most 128 pixels with one value after its packet byte.
    return header.runLength ? (count + 127) / 128 * (1 + pixelBytes) : count * pixelBytes;
}

// Reads the pixels in file order and puts each where the file's origin says it belongs.
bool readPixels(ByteReader& reader, const TgaHeader& header, const Palette& palette, Image& image) {
    const std::size_t width = header.width;
    const std::size_t height = header.height;
    const std::size_t count = width * height;
    const std::size_t pixelBytes = bytesPerPixel(header.pixelBits);
    const auto toArgb = [&](std::span<const std::uint8_t> value) {
        switch (header.kind) {
        case TgaKind::ColourMapped:
            return palette[value[0]];
        case TgaKind::Grey:
            return opaqueGrey(value[0]);
        default:
            return colourOf(value, header.pixelBits, header.alphaBits > 0);
        }
    };
    const auto put = [&](std::size_t index, std::uint32_t pixel) {
        const std::size_t row = index / width;
        const std::size_t column = index % width;
        const std::size_t targetRow = header.topToBottom ? row : height - 1 - row;
        const std::size_t targetColumn = header.rightToLeft ? width - 1 - column : column;
        image.pixels[targetRow * width + targetColumn] = pixel;
    };
    std::size_t done = 0;
    while (done < count) {
        // Uncompressed data reads as one long raw packet.
        std::size_t packetLength = count;
        bool run = false;
        if (header.runLength) {
            const std::uint8_t packet = reader.u8();
            packetLength = (packet & 0x7Fu) + 1u;
            run = (packet & 0x80) != 0;
        }
        // A packet may run over the end of a row, but not past the last pixel.
        const std::size_t end = done + std::min(packetLength, count - done);
        std::uint32_t pixel = 0;
        for (std::size_t index = done; index < end; ++index) {
            if (!run || index == done) {
                const auto value = reader.take(pixelBytes);
                if (!reader.ok()) {
                    return false;
                }
                pixel = toArgb(value);
            }
            put(index, pixel);
        }
        done = end;
    }
    return true;
}

} // namespace

bool looksLikeTga(std::span<const std::uint8_t> bytes) {
    return readTgaHeader(bytes).has_value();
}

std::optional<Image> decodeTga(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    const auto header = readTgaHeader(bytes);
    if (!header || bytes.size() < kHeaderSize + header->idLength + leastPixelBytes(*header)) {
        return std::nullopt;
    }
    auto image = blankImage(header->width, header->height, limits);
    if (!image) {
        return std::nullopt;
    }
    ByteReader reader(bytes);
    reader.skip(kHeaderSize + header->idLength);
    const auto palette = readPalette(reader, *header);
    if (!palette || !readPixels(reader, *header, *palette, *image)) {
        return std::nullopt;
    }
    return image;
}

} // namespace tandrel
