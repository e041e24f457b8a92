#include "inventory/image/byte_reader.h"
#include "inventory/image/decoders.h"
#include "inventory/image/image_limits.h"
#include "inventory/image/owned.h"
#include "inventory/image/pixel.h"

#include <tiffio.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace tandrel {
namespace {

constexpr std::array<std::uint8_t, 4> kLittleEndianTiff = {'I', 'I', 42, 0};
constexpr std::array<std::uint8_t, 4> kBigEndianTiff = {'M', 'M', 0, 42};
constexpr std::array<std::uint8_t, 4> kLittleEndianBigTiff = {'I', 'I', 43, 0};
constexpr std::array<std::uint8_t, 4> kBigEndianBigTiff = {'M', 'M', 0, 43};

struct MemoryFile {
    std::span<const std::uint8_t> bytes;
    std::uint64_t position = 0;
};

MemoryFile& fileOf(thandle_t handle) {
    return *static_cast<MemoryFile*>(handle);
}

tmsize_t readFile(thandle_t handle, void* buffer, tmsize_t size) {
    MemoryFile& file = fileOf(handle);
    if (size <= 0 || file.position >= file.bytes.size()) {
        return 0;
    }
    const auto count = static_cast<std::size_t>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(size), file.bytes.size() - file.position));
    std::memcpy(buffer, file.bytes.data() + file.position, count);
    file.position += count;
    return static_cast<tmsize_t>(count);
}

// The file is opened for reading only; libtiff insists on a write procedure all the same.
tmsize_t refuseWrite(thandle_t, void*, tmsize_t) {
    return 0;
}

// Positions past the end are allowed, as in a real file; reads there find nothing.
toff_t seekFile(thandle_t handle, toff_t offset, int whence) {
    MemoryFile& file = fileOf(handle);
    const std::uint64_t origin = whence == SEEK_CUR   ? file.position
                                 : whence == SEEK_END ? file.bytes.size()
                                                      : 0;
    file.position = origin + offset;
    return file.position;
}

int closeFile(thandle_t) {
    return 0;
}

toff_t sizeOfFile(thandle_t handle) {
    return fileOf(handle).bytes.size();
}

void ignoreMessage(const char*, const char*, va_list) {}

// libtiff's handlers are process-wide; the logo list may decode on more than one thread.
void silenceLibtiff() {
    static std::once_flag silenced;
    std::call_once(silenced, [] {
        TIFFSetErrorHandler(ignoreMessage);
        TIFFSetWarningHandler(ignoreMessage);
    });
}

// TIFFReadRGBAImage gives R in the low byte and colours premultiplied by alpha.
std::uint32_t straightArgb(std::uint32_t abgr) {
    const std::uint32_t alpha = TIFFGetA(abgr);
    const auto unpremultiply = [alpha](std::uint32_t colour) {
        return alpha == 0 ? 0 : std::min<std::uint32_t>(255, (colour * 255 + alpha / 2) / alpha);
    };
    return argb(alpha, unpremultiply(TIFFGetR(abgr)), unpremultiply(TIFFGetG(abgr)),
                unpremultiply(TIFFGetB(abgr)));
}

} // namespace

bool looksLikeTiff(std::span<const std::uint8_t> bytes) {
    return startsWith(bytes, kLittleEndianTiff) || startsWith(bytes, kBigEndianTiff) ||
           startsWith(bytes, kLittleEndianBigTiff) || startsWith(bytes, kBigEndianBigTiff);
}

std::optional<Image> decodeTiff(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
    silenceLibtiff();
    const Owned<TIFFOpenOptions, TIFFOpenOptionsFree> options{TIFFOpenOptionsAlloc()};
    if (!options) {
        return std::nullopt;
    }
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), static_cast<tmsize_t>(kLibraryMemoryBudget));
    MemoryFile file{bytes};
    // "m": no memory mapping; the map procedures then stay unused and may be null.
    const Owned<TIFF, TIFFClose> tiff{TIFFClientOpenExt("logo", "rm", &file, readFile, refuseWrite, seekFile,
                                                        closeFile, sizeOfFile, nullptr, nullptr,
                                                        options.get())};
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (!tiff || TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) != 1 ||
        TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) != 1) {
        return std::nullopt;
    }
    auto image = blankImage(width, height, limits);
    if (!image || TIFFReadRGBAImageOriented(tiff.get(), width, height, image->pixels.data(),
                                            ORIENTATION_TOPLEFT, 1) != 1) {
        return std::nullopt;
    }
    std::transform(image->pixels.begin(), image->pixels.end(), image->pixels.begin(), straightArgb);
    return image;
}

} // namespace tandrel
