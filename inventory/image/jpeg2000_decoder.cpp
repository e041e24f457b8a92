#include "inventory/image/byte_reader.h"
#include "inventory/image/decoders.h"
#include "inventory/image/image_limits.h"
#include "inventory/image/owned.h"
#include "inventory/image/pixel.h"

#include <openjpeg.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace tandrel {
namespace {

constexpr std::array<std::uint8_t, 12> kJp2Signature = {0,   0,   0,    12,   'j',  'P',
                                                        ' ', ' ', 0x0D, 0x0A, 0x87, 0x0A};
// SOC followed by SIZ: a bare codestream.
constexpr std::array<std::uint8_t, 4> kJ2kSignature = {0xFF, 0x4F, 0xFF, 0x51};

using Codec = Owned<opj_codec_t, opj_destroy_codec>;
using Stream = Owned<opj_stream_t, opj_stream_destroy>;
using Jpeg2000Image = Owned<opj_image_t, opj_image_destroy>;

struct MemoryStream {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

OPJ_SIZE_T readStream(void* buffer, OPJ_SIZE_T size, void* data) {
    auto& stream = *static_cast<MemoryStream*>(data);
    const std::size_t count = std::min(size, stream.bytes.size() - stream.position);
    if (count == 0) {
        return static_cast<OPJ_SIZE_T>(-1);
    }
    std::memcpy(buffer, stream.bytes.data() + stream.position, count);
    stream.position += count;
    return count;
}

OPJ_OFF_T skipStream(OPJ_OFF_T count, void* data) {
    auto& stream = *static_cast<MemoryStream*>(data);
    const auto position = static_cast<OPJ_OFF_T>(stream.position);
    if (count < -position || count > static_cast<OPJ_OFF_T>(stream.bytes.size()) - position) {
        return -1;
    }
    stream.position = static_cast<std::size_t>(position + count);
    return count;
}

OPJ_BOOL seekStream(OPJ_OFF_T offset, void* data) {
    auto& stream = *static_cast<MemoryStream*>(data);
    if (offset < 0 || static_cast<std::uint64_t>(offset) > stream.bytes.size()) {
        return OPJ_FALSE;
    }
    stream.position = static_cast<std::size_t>(offset);
    return OPJ_TRUE;
}

Stream openStream(MemoryStream& memory) {
    Stream stream{opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_TRUE)};
    if (stream) {
        opj_stream_set_user_data(stream.get(), &memory, nullptr);
        opj_stream_set_user_data_length(stream.get(), memory.bytes.size());
        opj_stream_set_read_function(stream.get(), readStream);
        opj_stream_set_skip_function(stream.get(), skipStream);
        opj_stream_set_seek_function(stream.get(), seekStream);
    }
    return stream;
}

void ignoreMessage(const char*, void*) {}

// A decoder that reported an error is not trusted even where a call still returned success.
void noteError(const char*, void* failed) {
    *static_cast<bool*>(failed) = true;
}

Codec openCodec(OPJ_CODEC_FORMAT format, bool& failed) {
    Codec codec{opj_create_decompress(format)};
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    if (!codec || !opj_set_error_handler(codec.get(), noteError, &failed) ||
        !opj_set_warning_handler(codec.get(), ignoreMessage, nullptr) ||
        !opj_set_info_handler(codec.get(), ignoreMessage, nullptr) ||
        !opj_setup_decoder(codec.get(), &parameters) ||
        // Strict: a truncated codestream fails instead of decoding to a blur.
        !opj_decoder_set_strict_mode(codec.get(), OPJ_TRUE)) {
        return nullptr;
    }
    return codec;
}

// Grey, grey and alpha, RGB or RGBA, told apart by the number of components. Colour spaces that
// would need a conversion of their own are refused.
bool hasUsableLayout(const opj_image_t& image) {
    if (image.numcomps < 1 || image.numcomps > 4 || image.color_space == OPJ_CLRSPC_SYCC ||
        image.color_space == OPJ_CLRSPC_EYCC || image.color_space == OPJ_CLRSPC_CMYK) {
        return false;
    }
    return std::all_of(image.comps, image.comps + image.numcomps, [](const opj_image_comp_t& component) {
        return component.dx >= 1 && component.dy >= 1 && component.prec >= 1 && component.prec <= 31;
    });
}

// OpenJPEG may change the components while decoding (a JP2 palette expands into colours), so
// the layout is checked again on the result.
bool hasAllSamples(const opj_image_t& image) {
    return hasUsableLayout(image) &&
           std::all_of(image.comps, image.comps + image.numcomps, [](const opj_image_comp_t& component) {
               return component.data != nullptr && component.w >= 1 && component.h >= 1 &&
                      component.factor == 0;
           });
}

// The component's sample for a pixel of the reference grid; a subsampled component is stretched
// by repeating each sample.
std::uint32_t sampleAt(const opj_image_comp_t& component, std::uint32_t gridX, std::uint32_t gridY) {
    const std::uint32_t column =
        std::min(std::max(gridX / component.dx, component.x0) - component.x0, component.w - 1);
    const std::uint32_t row =
        std::min(std::max(gridY / component.dy, component.y0) - component.y0, component.h - 1);
    std::int64_t sample = component.data[std::size_t{row} * component.w + column];
    if (component.sgnd != 0) {
        sample += std::int64_t{1} << (component.prec - 1);
    }
    const std::int64_t maximum = (std::int64_t{1} << component.prec) - 1;
    return toEightBits(static_cast<std::uint64_t>(std::clamp<std::int64_t>(sample, 0, maximum)),
                       static_cast<std::uint64_t>(maximum));
}

std::uint32_t pixelAt(const opj_image_t& image, std::uint32_t gridX, std::uint32_t gridY) {
    std::array<std::uint32_t, 4> samples{};
    for (std::uint32_t index = 0; index < image.numcomps; ++index) {
        samples[index] = sampleAt(image.comps[index], gridX, gridY);
    }
    switch (image.numcomps) {
    case 1:
        return opaqueGrey(samples[0]);
    case 2:
        return argb(samples[1], samples[0], samples[0], samples[0]);
    case 3:
        return argb(255, samples[0], samples[1], samples[2]);
    default:
        return argb(samples[3], samples[0], samples[1], samples[2]);
    }
}

} // namespace

bool looksLikeJpeg2000(std::span<const std::uint8_t> bytes) {
    return startsWith(bytes, kJp2Signature) || startsWith(bytes, kJ2kSignature);
}

std::optional<Image> decodeJpeg2000(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    bool failed = false;
    const Codec codec = openCodec(startsWith(bytes, kJp2Signature) ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K, failed);
    MemoryStream memory{bytes};
    const Stream stream = openStream(memory);
    if (!codec || !stream) {
        return std::nullopt;
    }
    opj_image_t* header = nullptr;
    const bool headerRead = opj_read_header(stream.get(), codec.get(), &header);
    const Jpeg2000Image decoded{header};
    if (!headerRead || failed || !decoded || !hasUsableLayout(*decoded)) {
        return std::nullopt;
    }
    // The size is checked before opj_decode allocates anything for the pixels.
    auto image =
        blankImage(std::int64_t{decoded->x1} - decoded->x0, std::int64_t{decoded->y1} - decoded->y0, limits);
    if (!image || !opj_decode(codec.get(), stream.get(), decoded.get()) ||
        !opj_end_decompress(codec.get(), stream.get()) || failed || !hasAllSamples(*decoded)) {
        return std::nullopt;
    }
    auto pixel = image->pixels.begin();
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            *pixel++ = pixelAt(*decoded, decoded->x0 + static_cast<std::uint32_t>(x),
                               decoded->y0 + static_cast<std::uint32_t>(y));
        }
    }
    return image;
}

} // namespace tandrel
