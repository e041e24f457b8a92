#include "inventory/image/byte_reader.h"
#include "inventory/image/decoders.h"
#include "inventory/image/image_limits.h"
#include "inventory/image/pixel.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <limits>

#include <jpeglib.h>

namespace tandrel {
namespace {

constexpr std::array<std::uint8_t, 3> kJpegSignature = {0xFF, 0xD8, 0xFF};
// A progressive file can ask for endless scans over the same pixels; real ones need about ten.
constexpr int kMaxScans = 100;

// Everything libjpeg touches, in one plain C struct that lives in the caller's frame.
struct JpegSession {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info) {
    std::longjmp(static_cast<JpegSession*>(info->client_data)->jump, 1);
}

// libjpeg reports corrupt or missing data as a warning and carries on with made-up pixels;
// for a logo that is as good as an error. Trace messages (level >= 0) are ignored.
void onMessage(j_common_ptr info, int level) {
    if (level < 0) {
        leave(info);
    }
}

void onProgress(j_common_ptr info) {
    if (static_cast<JpegSession*>(info->client_data)->info.input_scan_number > kMaxScans) {
        leave(info);
    }
}

// leave() jumps back into these two from inside libjpeg. Jumping over a C++ object's destructor
// is undefined, so nothing but plain C data may live in their frames.
bool readHeader(JpegSession* session, const unsigned char* data, unsigned long size) {
    if (setjmp(session->jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&session->info);
    session->info.mem->max_memory_to_use = static_cast<long>(kLibraryMemoryBudget);
    session->info.progress = &session->progress;
    jpeg_mem_src(&session->info, data, size);
    return jpeg_read_header(&session->info, TRUE) == JPEG_HEADER_OK;
}

bool readRows(JpegSession* session, unsigned char* pixels, JDIMENSION width, JDIMENSION height) {
    if (setjmp(session->jump) != 0) {
        return false;
    }
    jpeg_decompress_struct* info = &session->info;
    jpeg_start_decompress(info);
    if (info->output_width != width || info->output_height != height || info->output_components != 4) {
        return false;
    }
    while (info->output_scanline < height) {
        JSAMPROW row = pixels + static_cast<std::size_t>(info->output_scanline) * width * 4;
        if (jpeg_read_scanlines(info, &row, 1) != 1) {
            return false;
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

class JpegDecompressor {
public:
    JpegDecompressor() {
        session_.info.err = jpeg_std_error(&session_.error);
        session_.error.error_exit = leave;
        session_.error.emit_message = onMessage;
        session_.info.client_data = &session_;
        session_.progress.progress_monitor = onProgress;
    }
    // Also right after a failed jpeg_create_decompress: the session starts zeroed.
    ~JpegDecompressor() { jpeg_destroy_decompress(&session_.info); }
    JpegDecompressor(const JpegDecompressor&) = delete;
    JpegDecompressor& operator=(const JpegDecompressor&) = delete;

    JpegSession* session() { return &session_; }

private:
    JpegSession session_{};
};

// Adobe's programs write CMYK inverted (0 is full ink) and say so with their marker.
void cmykToArgb(Image& image, bool inverted) {
    const std::uint32_t flip = inverted ? 0 : 0xFF;
    for (auto& pixel : image.pixels) {
        const std::uint32_t cyan = (pixel & 0xFF) ^ flip;
        const std::uint32_t magenta = (pixel >> 8 & 0xFF) ^ flip;
        const std::uint32_t yellow = (pixel >> 16 & 0xFF) ^ flip;
        const std::uint32_t black = (pixel >> 24) ^ flip;
        pixel = argb(255, toEightBits(cyan * black, 255 * 255), toEightBits(magenta * black, 255 * 255),
                     toEightBits(yellow * black, 255 * 255));
    }
}

} // namespace

bool looksLikeJpeg(std::span<const std::uint8_t> bytes) {
    return startsWith(bytes, kJpegSignature);
}

std::optional<Image> decodeJpeg(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    if (bytes.size() > std::numeric_limits<unsigned long>::max()) {
        return std::nullopt;
    }
    JpegDecompressor jpeg;
    JpegSession* session = jpeg.session();
    if (!readHeader(session, bytes.data(), static_cast<unsigned long>(bytes.size()))) {
        return std::nullopt;
    }
    jpeg_decompress_struct& info = session->info;
    bool cmyk = false;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
        // Written as B, G, R, A bytes: the pixels themselves.
        info.out_color_space = JCS_EXT_BGRA;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        cmyk = true;
        break;
    default:
        return std::nullopt;
    }
    auto image = blankImage(info.image_width, info.image_height, limits);
    if (!image || !readRows(session, reinterpret_cast<unsigned char*>(image->pixels.data()), info.image_width,
                            info.image_height)) {
        return std::nullopt;
    }
    if (cmyk) {
        cmykToArgb(*image, info.saw_Adobe_marker);
    }
    return image;
}

} // namespace tandrel
