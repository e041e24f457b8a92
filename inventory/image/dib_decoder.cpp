#include "inventory/image/byte_reader.h"
#include "inventory/image/dib.h"
#include "inventory/image/image_limits.h"
#include "inventory/image/pixel.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace tandrel {
namespace {

constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

bool isKnownHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool isKnownBitCount(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool fitsCompression(std::uint32_t compression, int bitCount, bool topDown) {
    switch (compression) {
    case kBiRgb:
        return true;
    // Run-length rows run bottom-up only.
    case kBiRle8:
        return bitCount == 8 && !topDown;
    case kBiRle4:
        return bitCount == 4 && !topDown;
    case kBiBitfields:
    case kBiAlphaBitfields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

std::array<std::uint32_t, 4> defaultMasks(int bitCount) {
    if (bitCount == 16) {
        return {0x7C00, 0x03E0, 0x001F, 0};
    }
    // The fourth byte of a 32-bit pixel is nominally reserved and in practice alpha.
    return {0xFF0000, 0xFF00, 0xFF, bitCount == 32 ? 0xFF000000 : 0};
}

struct Channel {
    std::uint32_t mask;
    int shift;
    std::uint64_t maximum;
};

Channel channelOf(std::uint32_t mask) {
    const int shift = mask == 0 ? 0 : std::countr_zero(mask);
    return {mask, shift, mask >> shift};
}

// A channel without a mask reads as absent: no colour, or full opacity.
std::uint32_t channelValue(const Channel& channel, std::uint32_t pixel, std::uint32_t absent) {
    return channel.mask == 0 ? absent : toEightBits((pixel & channel.mask) >> channel.shift, channel.maximum);
}

std::uint32_t indexAt(std::span<const std::uint8_t> row, std::size_t x, int bitCount) {
    const std::size_t bit = x * static_cast<std::size_t>(bitCount);
    const auto shift = static_cast<unsigned>(8 - bitCount) - bit % 8;
    return std::uint32_t{row[bit / 8]} >> shift & ((1u << bitCount) - 1);
}

std::uint32_t packedAt(std::span<const std::uint8_t> row, std::size_t x, int bitCount) {
    const auto byteCount = static_cast<std::size_t>(bitCount / 8);
    std::uint32_t value = 0;
    for (std::size_t index = 0; index < byteCount; ++index) {
        value |= std::uint32_t{row[x * byteCount + index]} << (8 * index);
    }
    return value;
}

void decodeRows(const DibHeader& header, std::span<const std::uint8_t> rows, Image& image) {
    const auto width = static_cast<std::size_t>(header.width);
    const std::size_t stride = dibRowStride(header.width, header.bitCount);
    std::array<Channel, 4> channels{};
    std::transform(header.masks.begin(), header.masks.end(), channels.begin(), channelOf);
    for (int row = 0; row < header.height; ++row) {
        const auto source = rows.subspan(static_cast<std::size_t>(row) * stride, stride);
        const int target = header.topDown ? row : header.height - 1 - row;
        const auto out =
            image.pixels.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(target) * width);
        for (std::size_t x = 0; x < width; ++x) {
            if (header.bitCount <= 8) {
                out[static_cast<std::ptrdiff_t>(x)] = header.palette[indexAt(source, x, header.bitCount)];
                continue;
            }
            const std::uint32_t value = packedAt(source, x, header.bitCount);
            out[static_cast<std::ptrdiff_t>(x)] =
                argb(channelValue(channels[3], value, 255), channelValue(channels[0], value, 0),
                     channelValue(channels[1], value, 0), channelValue(channels[2], value, 0));
        }
    }
    // Many writers leave the alpha byte zero throughout; such an image is meant opaque.
    if (header.masks[3] != 0 && std::all_of(image.pixels.begin(), image.pixels.end(),
                                            [](std::uint32_t pixel) { return alphaOf(pixel) == 0; })) {
        for (auto& pixel : image.pixels) {
            pixel |= 0xFF000000u;
        }
    }
}

// Pixels the codes skip over (with a delta or an early end of line) stay transparent.
bool decodeRunLength(const DibHeader& header, std::span<const std::uint8_t> data, Image& image) {
    const bool fourBits = header.compression == kBiRle4;
    const auto width = static_cast<std::size_t>(header.width);
    const auto height = static_cast<std::size_t>(header.height);
    std::size_t x = 0;
    std::size_t rowFromBottom = 0;
    const auto put = [&](std::uint32_t index) {
        if (x < width && rowFromBottom < height) {
            image.pixels[(height - 1 - rowFromBottom) * width + x] = header.palette[index];
        }
        ++x;
    };
    const auto nibble = [](std::uint8_t pair, std::size_t position) {
        return position % 2 == 0 ? std::uint32_t{pair} >> 4 : std::uint32_t{pair} & 0x0Fu;
    };
    ByteReader reader(data);
    while (true) {
        const std::uint8_t count = reader.u8();
        const std::uint8_t code = reader.u8();
        if (!reader.ok()) {
            return false;
        }
        if (count > 0) {
            // count pixels of one index, or alternating between two in four-bit data.
            for (std::size_t index = 0; index < count; ++index) {
                put(fourBits ? nibble(code, index) : code);
            }
            continue;
        }
        switch (code) {
        case 0: // end of line
            x = 0;
            ++rowFromBottom;
            break;
        case 1: // end of bitmap
            return true;
        case 2: // move right and up
            x += reader.u8();
            rowFromBottom += reader.u8();
            break;
        default: { // code pixels stored as they are, padded to 16 bits
            const std::size_t bytes = fourBits ? (code + 1u) / 2u : code;
            const auto literal = reader.take(bytes + bytes % 2);
            if (!reader.ok()) {
                return false;
            }
            for (std::size_t index = 0; index < code; ++index) {
                put(fourBits ? nibble(literal[index / 2], index) : literal[index]);
            }
        }
        }
    }
}

} // namespace

std::optional<DibHeader> readDibHeader(std::span<const std::uint8_t> dib) {
    ByteReader reader(dib);
    const std::uint32_t headerSize = reader.u32();
    const std::int32_t width = reader.i32();
    const std::int32_t height = reader.i32();
    const std::uint16_t planes = reader.u16();
    const std::uint16_t bitCount = reader.u16();
    const std::uint32_t compression = reader.u32();
    reader.skip(12); // image size and resolution: not needed to draw the pixels
    const std::uint32_t coloursUsed = reader.u32();
    reader.skip(4); // important colours
    const bool topDown = height < 0;
    if (!reader.ok() || !isKnownHeaderSize(headerSize) || width <= 0 || height == 0 ||
        height == std::numeric_limits<std::int32_t>::min() || planes != 1 || !isKnownBitCount(bitCount) ||
        !fitsCompression(compression, bitCount, topDown) || coloursUsed > 256) {
        return std::nullopt;
    }
    DibHeader header{};
    header.width = width;
    header.height = topDown ? -height : height;
    header.topDown = topDown;
    header.bitCount = bitCount;
    header.compression = compression;
    header.masks = defaultMasks(bitCount);
    if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
        // After a 40-byte header the masks follow it; the later headers hold them as fields.
        const std::size_t maskCount = compression == kBiAlphaBitfields || headerSize >= 56 ? 4 : 3;
        header.masks[3] = 0;
        for (std::size_t index = 0; index < maskCount; ++index) {
            header.masks[index] = reader.u32();
        }
    }
    reader.skip(headerSize - std::min<std::size_t>(headerSize, reader.position()));
    header.palette.fill(argb(255, 0, 0, 0));
    const std::size_t paletteSize = bitCount > 8       ? coloursUsed
                                    : coloursUsed == 0 ? 1u << bitCount
                                                       : coloursUsed;
    if (bitCount <= 8 && paletteSize > 1u << bitCount) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < paletteSize; ++index) {
        const auto entry = reader.take(4); // blue, green, red, unused
        if (!reader.ok()) {
            return std::nullopt;
        }
        header.palette[index] = argb(255, entry[2], entry[1], entry[0]);
    }
    header.size = reader.position();
    return header;
}

std::size_t dibRowStride(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

std::optional<Image> decodeDibPixels(const DibHeader& header, std::span<const std::uint8_t> rows,
                                     const ImageLimits& limits) {
    const bool runLength = header.compression == kBiRle8 || header.compression == kBiRle4;
    // The size is settled before the row bytes are counted, so that the count cannot overflow.
    if (!fitsLimits(header.width, header.height, limits) ||
        (!runLength && dibRowStride(header.width, header.bitCount) * static_cast<std::size_t>(header.height) >
                           rows.size())) {
        return std::nullopt;
    }
    auto image = blankImage(header.width, header.height, limits);
    if (!image) {
        return std::nullopt;
    }
    if (runLength) {
        return decodeRunLength(header, rows, *image) ? image : std::nullopt;
    }
    decodeRows(header, rows, *image);
    return image;
}

} // namespace tandrel
