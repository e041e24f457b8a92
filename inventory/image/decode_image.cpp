#include "inventory/image/decoders.h"

#include <new>

namespace tandrel {
namespace {

struct ImageDecoder {
    ImageFormat format;
    bool (*claims)(std::span<const std::uint8_t>);
    std::optional<Image> (*decode)(std::span<const std::uint8_t>, const ImageLimits&);
    // A format without magic bytes is asked only after every other one declined.
    bool hasMagic;
};

// BMP and ICO are the program's own and always there; the library decoders follow in the order
// the program's start-up has always registered them.
constexpr ImageDecoder kDecoders[] = {
    {ImageFormat::Bmp, looksLikeBmp, decodeBmp, true},
    {ImageFormat::Ico, looksLikeIco, decodeIco, true},
    {ImageFormat::Jpeg, looksLikeJpeg, decodeJpeg, true},
    {ImageFormat::Jpeg2000, looksLikeJpeg2000, decodeJpeg2000, true},
    {ImageFormat::Tiff, looksLikeTiff, decodeTiff, true},
    {ImageFormat::Tga, looksLikeTga, decodeTga, false},
    {ImageFormat::Png, looksLikePng, decodePng, true},
};

const ImageDecoder* decoderFor(std::span<const std::uint8_t> bytes) {
    for (const bool magic : {true, false}) {
        for (const auto& decoder : kDecoders) {
            if (decoder.hasMagic == magic && decoder.claims(bytes)) {
                return &decoder;
            }
        }
    }
    return nullptr;
}

} // namespace

std::optional<ImageFormat> sniffImageFormat(std::span<const std::uint8_t> bytes) {
    const ImageDecoder* decoder = decoderFor(bytes);
    return decoder ? std::optional(decoder->format) : std::nullopt;
}

std::optional<Image> decodeImage(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    const ImageDecoder* decoder = decoderFor(bytes);
    if (!decoder) {
        return std::nullopt;
    }
    // Within the limits an allocation can still fail, most likely in a 32-bit process; that
    // logo is then not shown, like any other that cannot be read.
    try {
        return decoder->decode(bytes, limits);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace tandrel
