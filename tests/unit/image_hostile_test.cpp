#include "inventory/image/decoders.h"
#include "inventory/image/image.h"

#include "image_fixtures.h"
#include "tests/common/case_name.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tandrel::test {
namespace {

using test::PrintTo;

// Each prefix is copied into an allocation of its own size, so that AddressSanitizer sees a read
// past its end.
std::optional<Image> decodeCopy(const Bytes& bytes, std::size_t length) {
    const Bytes prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return decodeImage(prefix);
}

class DamagedImageTest : public testing::TestWithParam<ImageFixture> {};

// Every format keeps pixel data or a needed directory in its second half. Past that, a cut may
// only cost bytes the picture does not depend on, and then the whole picture must come out.
TEST_P(DamagedImageTest, cutShortGivesNothingOrTheWholePicture) {
    const Bytes bytes = readFixture(GetParam().file);
    const Image picture = pictureOf(GetParam().picture);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const auto image = decodeCopy(bytes, length);
        if (length <= bytes.size() / 2) {
            EXPECT_EQ(image, std::nullopt) << "cut to " << length << " of " << bytes.size() << " bytes";
        } else if (image) {
            EXPECT_TRUE(looksLike(image, picture, GetParam().tolerance))
                << "cut to " << length << " of " << bytes.size() << " bytes";
        }
    }
}

// A fixed-seed xorshift: the same corruptions on every run.
class Scrambler {
public:
    std::uint32_t next(std::uint32_t bound) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ % bound);
    }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15u;
};

// Whatever a decoder makes of damaged bytes must at least be a well-formed image.
TEST_P(DamagedImageTest, corruptBytesGiveNothingOrAWellFormedImage) {
    const Bytes bytes = readFixture(GetParam().file);
    const auto size = static_cast<std::uint32_t>(bytes.size());
    Scrambler scrambler;
    for (int round = 0; round < 300; ++round) {
        Bytes damaged = bytes;
        for (std::uint32_t change = 0, changes = 1 + scrambler.next(4); change < changes; ++change) {
            damaged[scrambler.next(size)] = static_cast<std::uint8_t>(scrambler.next(256));
        }
        const auto image = decodeImage(damaged);
        if (image) {
            EXPECT_GT(image->width, 0);
            EXPECT_GT(image->height, 0);
            EXPECT_EQ(image->pixels.size(),
                      static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedImageTest, testing::ValuesIn(kImageFixtures), CaseName());

// A fixture with one header field rewritten; offsets as make_images.sh's files have them.
Bytes withField(const char* file, std::size_t offset, std::uint32_t value, std::size_t size) {
    Bytes bytes = readFixture(file);
    putLittleEndian(bytes, offset, value, size);
    return bytes;
}

// JPEG's frame header: the height, then the width, 16 bits each, big-endian.
Bytes jpegClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes bytes = readFixture("jpeg_baseline.jpg");
    const std::size_t frame = offsetOf(bytes, {0xFF, 0xC0});
    putBigEndian(bytes, frame + 5, height, 2);
    putBigEndian(bytes, frame + 7, width, 2);
    return bytes;
}

// The codestream's grid and its single tile, both width x height.
Bytes j2kClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes bytes = readFixture("j2k_rgb.j2k");
    const std::size_t siz = offsetOf(bytes, {0xFF, 0x51});
    putBigEndian(bytes, siz + 6, width, 4);
    putBigEndian(bytes, siz + 10, height, 4);
    putBigEndian(bytes, siz + 22, width, 4);
    putBigEndian(bytes, siz + 26, height, 4);
    return bytes;
}

// The first directory's ImageWidth and ImageLength, stored as SHORT values.
Bytes tiffClaiming(std::uint16_t width, std::uint16_t height) {
    Bytes bytes = readFixture("tiff_rgba.tif");
    putLittleEndian(bytes, offsetOf(bytes, {0x00, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00}) + 8, width, 2);
    putLittleEndian(bytes, offsetOf(bytes, {0x01, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00}) + 8, height, 2);
    return bytes;
}

// The colour space a JP2 file's colr box names (16 is sRGB).
Bytes jp2InColourSpace(std::uint32_t space) {
    Bytes bytes = readFixture("jp2_rgba.jp2");
    putBigEndian(bytes, offsetOf(bytes, {'c', 'o', 'l', 'r'}) + 7, space, 4);
    return bytes;
}

struct BrokenCase {
    const char* name;
    Bytes (*bytes)();
};

class HugeImageClaimTest : public testing::TestWithParam<BrokenCase> {};

// Far past the limits, or as far as the header's field reaches; the files hold only 4 x 2 pixels.
TEST_P(HugeImageClaimTest, isRefused) {
    EXPECT_EQ(decodeImage(GetParam().bytes()), std::nullopt);
}

const BrokenCase kHugeClaims[] = {
    {"pngWidest", [] { return pngClaiming(readFixture("png_rgba.png"), 0x7FFFFFFF, 1); }},
    {"pngTooManyBytes", [] { return pngClaiming(readFixture("png_rgba.png"), 16384, 16384); }},
    {"jpegLargest", [] { return jpegClaiming(0xFFFF, 0xFFFF); }},
    {"jpegTooManyBytes", [] { return jpegClaiming(16384, 16384); }},
    {"j2kLargest", [] { return j2kClaiming(0xFFFFFFFF, 0xFFFFFFFF); }},
    {"j2kTooManyBytes", [] { return j2kClaiming(16384, 16384); }},
    {"tiffLargest", [] { return tiffClaiming(0xFFFF, 0xFFFF); }},
    {"tiffTooManyBytes", [] { return tiffClaiming(16384, 16384); }},
    {"tgaWidest", [] { return withField("tga_rgba_top.tga", 12, 0xFFFF, 2); }},
    {"tgaTallest", [] { return withField("tga_rgba_top.tga", 14, 0xFFFF, 2); }},
    {"tgaRunLengthJustTooWide", [] { return withField("tga_rgb_rle.tga", 12, 16385, 2); }},
    {"bmpWidest", [] { return withField("bmp_rgb24.bmp", 18, 0x7FFFFFFF, 4); }},
    {"bmpTallest", [] { return withField("bmp_rgb24.bmp", 22, 0x7FFFFFFF, 4); }},
    {"bmpMostTopDown", [] { return withField("bmp_rgb24.bmp", 22, 0x80000000, 4); }},
    {"bmpRunLengthTallest", [] { return withField("bmp_rle8.bmp", 22, 0x7FFFFFFF, 4); }},
    {"icoDibWidest", [] { return withField("ico_rgba.ico", 22 + 4, 0x7FFFFFFF, 4); }},
    {"icoDibTallest", [] { return withField("ico_rgba.ico", 22 + 8, 0x7FFFFFFE, 4); }},
};

INSTANTIATE_TEST_SUITE_P(Headers, HugeImageClaimTest, testing::ValuesIn(kHugeClaims), CaseName());

class TgaImageHeaderTest : public testing::TestWithParam<BrokenCase> {};

// With no magic bytes to go by, a header that no TGA writer produces is not a TGA at all.
TEST_P(TgaImageHeaderTest, isNotTakenForATga) {
    const Bytes bytes = GetParam().bytes();
    EXPECT_EQ(sniffImageFormat(bytes), std::nullopt);
    EXPECT_EQ(decodeImage(bytes), std::nullopt);
}

// tga_rgba_top.tga: true colour, 32 bits, 8 alpha bits, top row first.
const BrokenCase kTgaHeaders[] = {
    {"mapTypeTwo", [] { return withField("tga_rgba_top.tga", 1, 2, 1); }},
    {"noImageData", [] { return withField("tga_rgba_top.tga", 2, 0, 1); }},
    {"imageTypeFour", [] { return withField("tga_rgba_top.tga", 2, 4, 1); }},
    {"imageTypeTwelve", [] { return withField("tga_rgba_top.tga", 2, 12, 1); }},
    // Type 1 here would read 00 00 01 00, an icon directory's start.
    {"colourMappedWithoutMap", [] { return withField("tga_rgb_rle.tga", 2, 9, 1); }},
    {"greyOf32Bits", [] { return withField("tga_rgba_top.tga", 2, 3, 1); }},
    {"mapEntriesWithoutMap", [] { return withField("tga_rgba_top.tga", 5, 2, 2); }},
    {"depthSeven", [] { return withField("tga_rgba_top.tga", 16, 7, 1); }},
    {"nineAlphaBits", [] { return withField("tga_rgba_top.tga", 17, 0x29, 1); }},
    {"alphaIn24Bits", [] { return withField("tga_rgb_right.tga", 17, 0x38, 1); }},
    {"interleaved", [] { return withField("tga_rgba_top.tga", 17, 0x68, 1); }},
    {"widthZero", [] { return withField("tga_rgba_top.tga", 12, 0, 2); }},
    {"heightZero", [] { return withField("tga_rgba_top.tga", 14, 0, 2); }},
    {"mapPastIndex255", [] { return withField("tga_palette.tga", 3, 250, 2); }},
};

INSTANTIATE_TEST_SUITE_P(Headers, TgaImageHeaderTest, testing::ValuesIn(kTgaHeaders), CaseName());

class ImageFixtureTgaCheckTest : public testing::TestWithParam<ImageFixture> {};

// The TGA check is consulted last, but even on its own it claims no other format's file.
TEST_P(ImageFixtureTgaCheckTest, passesTheTgaHeaderCheckOnlyWhenATga) {
    EXPECT_EQ(looksLikeTga(readFixture(GetParam().file)), GetParam().format == ImageFormat::Tga);
}

INSTANTIATE_TEST_SUITE_P(Files, ImageFixtureTgaCheckTest, testing::ValuesIn(kImageFixtures), CaseName());

class MalformedImageHeaderTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(MalformedImageHeaderTest, isRefused) {
    EXPECT_EQ(decodeImage(GetParam().bytes()), std::nullopt);
}

// bmp_rgb24.bmp: the info header starts at 14. ico_rgba.ico: one entry, its DIB at 22.
const BrokenCase kMalformedHeaders[] = {
    {"bmpCoreHeader", [] { return withField("bmp_rgb24.bmp", 14, 12, 4); }},
    {"bmpOs2Header", [] { return withField("bmp_rgb24.bmp", 14, 64, 4); }},
    {"bmpTwoPlanes", [] { return withField("bmp_rgb24.bmp", 26, 2, 2); }},
    {"bmpTwoBits", [] { return withField("bmp_rgb24.bmp", 28, 2, 2); }},
    {"bmpRunLength8Of24Bits", [] { return withField("bmp_rgb24.bmp", 30, 1, 4); }},
    {"bmpJpegInside", [] { return withField("bmp_rgb24.bmp", 30, 4, 4); }},
    {"bmpPaletteOf257", [] { return withField("bmp_rgb24.bmp", 46, 257, 4); }},
    {"bmpPaletteTooLongFor4Bits", [] { return withField("bmp_palette4.bmp", 46, 17, 4); }},
    {"bmpRowsInsideHeader", [] { return withField("bmp_rgb24.bmp", 10, 20, 4); }},
    {"bmpRowsPastEnd", [] { return withField("bmp_rgb24.bmp", 10, 0xFFFFFFFF, 4); }},
    {"bmpWidthZero", [] { return withField("bmp_rgb24.bmp", 18, 0, 4); }},
    {"bmpHeightZero", [] { return withField("bmp_rgb24.bmp", 22, 0, 4); }},
    {"bmpRunLengthTopDown", [] { return withField("bmp_rle8.bmp", 22, 0xFFFFFFFE, 4); }},
    {"icoNoEntries", [] { return withField("ico_rgba.ico", 4, 0, 2); }},
    {"icoEntryPastEnd", [] { return withField("ico_rgba.ico", 18, 0xFFFFFF00, 4); }},
    {"icoEntrySizeWraps", [] { return withField("ico_rgba.ico", 14, 0xFFFFFFFF, 4); }},
    {"icoDibHeightOdd", [] { return withField("ico_rgba.ico", 22 + 8, 3, 4); }},
    {"icoDibTopDown", [] { return withField("ico_rgba.ico", 22 + 8, 0xFFFFFFFC, 4); }},
    {"icoDibBitfields", [] { return withField("ico_rgba.ico", 22 + 16, 3, 4); }},
    {"jp2Ycc", [] { return jp2InColourSpace(18); }},
    {"jp2Cmyk", [] { return jp2InColourSpace(12); }},
    {"pngHeaderCrc", [] { return withField("png_rgba.png", 16, 5, 4); }},
};

INSTANTIATE_TEST_SUITE_P(Headers, MalformedImageHeaderTest, testing::ValuesIn(kMalformedHeaders), CaseName());

} // namespace
} // namespace tandrel::test
