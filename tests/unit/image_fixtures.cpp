#include "image_fixtures.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tandrel::test {

const std::vector<ImageFixture> kImageFixtures = {
    {"pngRgba", "png_rgba.png", ImageFormat::Png, Picture::Rgba, 0},
    {"pngPalette", "png_palette.png", ImageFormat::Png, Picture::Rgb, 0},
    {"pngGrey16", "png_grey16.png", ImageFormat::Png, Picture::Grey, 0},
    {"jpegBaseline", "jpeg_baseline.jpg", ImageFormat::Jpeg, Picture::Rgb, 4},
    {"jpegProgressive", "jpeg_progressive.jpg", ImageFormat::Jpeg, Picture::Rgb, 4},
    {"jpegGrey", "jpeg_grey.jpg", ImageFormat::Jpeg, Picture::Grey, 4},
    {"jpegCmyk", "jpeg_cmyk.jpg", ImageFormat::Jpeg, Picture::Rgb, 4},
    {"jp2Rgba", "jp2_rgba.jp2", ImageFormat::Jpeg2000, Picture::Rgba, 0},
    {"j2kRgb", "j2k_rgb.j2k", ImageFormat::Jpeg2000, Picture::Rgb, 0},
    {"jp2Grey12", "jp2_grey12.jp2", ImageFormat::Jpeg2000, Picture::Grey, 0},
    {"tiffRgba", "tiff_rgba.tif", ImageFormat::Tiff, Picture::Rgba, 0},
    {"tiffRgbaAssociated", "tiff_rgba_associated.tif", ImageFormat::Tiff, Picture::Rgba, 0},
    {"tiffRgbaLzw", "tiff_rgba_lzw.tif", ImageFormat::Tiff, Picture::Rgba, 0},
    {"tiffRgbaZip", "tiff_rgba_zip.tif", ImageFormat::Tiff, Picture::Rgba, 0},
    {"tiffRgbJpeg", "tiff_rgb_jpeg.tif", ImageFormat::Tiff, Picture::Rgb, 4},
    {"tgaRgbaTopLeft", "tga_rgba_top.tga", ImageFormat::Tga, Picture::Rgba, 0},
    {"tgaRgbaBottomLeft", "tga_rgba_bottom.tga", ImageFormat::Tga, Picture::Rgba, 0},
    {"tgaRgbTopRight", "tga_rgb_right.tga", ImageFormat::Tga, Picture::Rgb, 0},
    {"tgaRgbRunLength", "tga_rgb_rle.tga", ImageFormat::Tga, Picture::Rgb, 0},
    {"tgaRgb16", "tga_rgb16.tga", ImageFormat::Tga, Picture::Rgb, 0},
    {"tgaColourMapped", "tga_palette.tga", ImageFormat::Tga, Picture::Rgb, 0},
    {"tgaColourMappedRunLength", "tga_palette_rle.tga", ImageFormat::Tga, Picture::Rgb, 0},
    {"tgaGrey", "tga_grey.tga", ImageFormat::Tga, Picture::Grey, 0},
    {"tgaGreyRunLength", "tga_grey_rle.tga", ImageFormat::Tga, Picture::Grey, 0},
    {"bmpRgb24", "bmp_rgb24.bmp", ImageFormat::Bmp, Picture::Rgb, 0},
    {"bmpRgba32Bitfields", "bmp_rgba32.bmp", ImageFormat::Bmp, Picture::Rgba, 0},
    {"bmpRgb565", "bmp_rgb565.bmp", ImageFormat::Bmp, Picture::Rgb, 0},
    {"bmpRgb555", "bmp_rgb555.bmp", ImageFormat::Bmp, Picture::Rgb, 0},
    {"bmpPalette4", "bmp_palette4.bmp", ImageFormat::Bmp, Picture::Rgb, 0},
    {"bmpPalette1", "bmp_palette1.bmp", ImageFormat::Bmp, Picture::Mono, 0},
    {"bmpRunLength8", "bmp_rle8.bmp", ImageFormat::Bmp, Picture::Rgb, 0},
    {"icoRgba", "ico_rgba.ico", ImageFormat::Ico, Picture::Rgba, 0},
    {"icoLargestOfThree", "ico_largest.ico", ImageFormat::Ico, Picture::Rgba, 0},
    {"icoPngEntry", "ico_png.ico", ImageFormat::Ico, Picture::Rgba, 0},
};

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;

int channel(std::uint32_t pixel, int shift) {
    return static_cast<int>(pixel >> shift & 0xFF);
}

bool within(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    if (channel(actual, 24) == 0 && channel(expected, 24) == 0) {
        return true;
    }
    constexpr std::array<int, 4> kShifts = {0, 8, 16, 24};
    return std::all_of(kShifts.begin(), kShifts.end(), [&](int shift) {
        return std::abs(channel(actual, shift) - channel(expected, shift)) <= tolerance;
    });
}

} // namespace

Image pictureOf(Picture picture) {
    switch (picture) {
    case Picture::Rgba:
        return {4, 2, {kRed, kGreen, kBlue, kWhite, kBlack, 0xFF808080, 0x80FF00FF, 0x00000000}};
    case Picture::Rgb:
        return {4, 2, {kRed, kGreen, kBlue, kWhite, kBlack, 0xFF00FFFF, 0xFFFF00FF, 0xFFFFFF00}};
    case Picture::Grey: {
        Image grey{4, 2, {}};
        for (const std::uint32_t level : {0u, 36u, 73u, 109u, 146u, 182u, 219u, 255u}) {
            grey.pixels.push_back(0xFF000000 | level * 0x010101);
        }
        return grey;
    }
    case Picture::Mono:
        return {4, 2, {kBlack, kWhite, kBlack, kBlack, kWhite, kBlack, kWhite, kWhite}};
    }
    throw std::logic_error("unknown picture");
}

Bytes readFixture(const std::string& file) {
    // Beside this source file; under Wine the Unix path resolves through the Z: drive.
    const auto path =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "fixtures" / "images" / file;
    std::ifstream in(path, std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || bytes.empty()) {
        throw std::runtime_error("cannot read fixture " + path.string());
    }
    return bytes;
}

testing::AssertionResult looksLike(const std::optional<Image>& actual, const Image& expected, int tolerance) {
    if (!actual) {
        return testing::AssertionFailure() << "no image";
    }
    if (actual->width != expected.width || actual->height != expected.height ||
        actual->pixels.size() != expected.pixels.size()) {
        return testing::AssertionFailure()
               << actual->width << " x " << actual->height << " with " << actual->pixels.size()
               << " pixels, expected " << expected.width << " x " << expected.height;
    }
    for (std::size_t index = 0; index < expected.pixels.size(); ++index) {
        if (!within(actual->pixels[index], expected.pixels[index], tolerance)) {
            return testing::AssertionFailure()
                   << "pixel " << index % static_cast<std::size_t>(expected.width) << ", "
                   << index / static_cast<std::size_t>(expected.width) << " is " << std::hex
                   << actual->pixels[index] << ", expected " << expected.pixels[index];
        }
    }
    return testing::AssertionSuccess();
}

ByteWriter& ByteWriter::u8(std::uint8_t value) {
    data_.push_back(value);
    return *this;
}

ByteWriter& ByteWriter::u16(std::uint16_t value) {
    data_.resize(data_.size() + 2);
    putLittleEndian(data_, data_.size() - 2, value, 2);
    return *this;
}

ByteWriter& ByteWriter::u32(std::uint32_t value) {
    data_.resize(data_.size() + 4);
    putLittleEndian(data_, data_.size() - 4, value, 4);
    return *this;
}

ByteWriter& ByteWriter::bytes(std::initializer_list<std::uint8_t> values) {
    data_.insert(data_.end(), values);
    return *this;
}

void putBigEndian(Bytes& bytes, std::size_t offset, std::uint32_t value, std::size_t size) {
    for (std::size_t index = 0; index < size; ++index) {
        bytes.at(offset + index) = static_cast<std::uint8_t>(value >> (8 * (size - 1 - index)));
    }
}

void putLittleEndian(Bytes& bytes, std::size_t offset, std::uint32_t value, std::size_t size) {
    for (std::size_t index = 0; index < size; ++index) {
        bytes.at(offset + index) = static_cast<std::uint8_t>(value >> (8 * index));
    }
}

std::size_t offsetOf(const Bytes& bytes, std::initializer_list<std::uint8_t> pattern) {
    const auto found = std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end());
    if (found == bytes.end()) {
        throw std::runtime_error("pattern not in the fixture");
    }
    return static_cast<std::size_t>(found - bytes.begin());
}

namespace {

// zlib's CRC-32, bit by bit: PNG checks it on IHDR.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t index = 0; index < size; ++index) {
        crc ^= data[index];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

} // namespace

Bytes pngClaiming(Bytes png, std::uint32_t width, std::uint32_t height) {
    const std::size_t name = offsetOf(png, {'I', 'H', 'D', 'R'});
    putBigEndian(png, name + 4, width, 4);
    putBigEndian(png, name + 8, height, 4);
    // The CRC covers the chunk name and its 13 bytes of data.
    putBigEndian(png, name + 17, crc32(png.data() + name, 17), 4);
    return png;
}

} // namespace tandrel::test

namespace tandrel {

void PrintTo(ImageFormat format, std::ostream* out) {
    static constexpr std::array<const char*, 7> kNames = {"Bmp",  "Ico", "Jpeg", "Jpeg2000",
                                                          "Tiff", "Tga", "Png"};
    *out << kNames.at(static_cast<std::size_t>(format));
}

} // namespace tandrel
