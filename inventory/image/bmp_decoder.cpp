#include "inventory/image/byte_reader.h"
#include "inventory/image/decoders.h"
#include "inventory/image/dib.h"

#include <array>

namespace tandrel {
namespace {

constexpr std::array<std::uint8_t, 2> kBmpSignature = {'B', 'M'};
constexpr std::size_t kFileHeaderSize = 14;

} // namespace

bool looksLikeBmp(std::span<const std::uint8_t> bytes) {
    return startsWith(bytes, kBmpSignature);
}

std::optional<Image> decodeBmp(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    ByteReader reader(bytes);
    reader.skip(10); // signature, file size and two reserved fields: none is needed
    const std::uint32_t rowsOffset = reader.u32();
    if (!reader.ok()) {
        return std::nullopt;
    }
    const auto header = readDibHeader(bytes.subspan(kFileHeaderSize));
    // The rows may not overlap the headers, masks or palette.
    if (!header || rowsOffset < kFileHeaderSize + header->size || rowsOffset > bytes.size()) {
        return std::nullopt;
    }
    return decodeDibPixels(*header, bytes.subspan(rowsOffset), limits);
}

} // namespace tandrel
