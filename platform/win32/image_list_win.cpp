#include "platform/win32/image_list_win.h"

#include <cstring>
#include <vector>

namespace tandrel {
namespace {

constexpr std::uint32_t kAlphaMask = 0xFF000000u;

// 0xAARRGGBB lies in memory as B, G, R, A: the byte order of a 32-bit DIB, with the straight alpha that
// image lists keep (they premultiply only when drawing).
BitmapOwner colourBitmap(const Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height; // negative: top row first, as the image holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapOwner bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) {
        std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
    }
    return bitmap;
}

// One bit a pixel, set where the pixel is fully transparent; CreateBitmap wants rows padded to 16 bits.
BitmapOwner maskBitmap(const Image& image) {
    const auto width = static_cast<std::size_t>(image.width);
    const std::size_t stride = (width + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(image.height), 0);
    for (std::size_t index = 0; index < image.pixels.size(); ++index) {
        if ((image.pixels[index] & kAlphaMask) == 0) {
            const std::size_t x = index % width;
            bits[index / width * stride + x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        }
    }
    return BitmapOwner(CreateBitmap(image.width, image.height, 1, 1, bits.data()));
}

} // namespace

Size systemSmallIconSize() {
    return {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
}

ImageListOwner smallImageListCreate() {
    const Size size = systemSmallIconSize();
    return ImageListOwner(ImageList_Create(size.width, size.height, ILC_COLOR32 | ILC_MASK, 0, 16));
}

int imageListAddImage(HIMAGELIST images, const Image& image) {
    // A wider bitmap would silently become several images.
    int width = 0;
    int height = 0;
    if (!ImageList_GetIconSize(images, &width, &height) || image.width != width || image.height != height ||
        image.pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return -1;
    }
    const BitmapOwner colour = colourBitmap(image);
    const BitmapOwner mask = maskBitmap(image);
    if (!colour || !mask) {
        return -1;
    }
    return ImageList_Add(images, colour.get(), mask.get());
}

} // namespace tandrel
