#include "inventory/image/image.h"

#include "image_fixtures.h"
#include "tests/common/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel::test {
namespace {

using test::PrintTo;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kClear = 0x00000000;

class ImageFixtureTest : public testing::TestWithParam<ImageFixture> {};

TEST_P(ImageFixtureTest, decodesToItsPicture) {
    EXPECT_TRUE(looksLike(decodeImage(readFixture(GetParam().file)), pictureOf(GetParam().picture),
                          GetParam().tolerance));
}

// Only the bytes reach the decoder: a logo called .png that holds a JPEG is read as a JPEG.
TEST_P(ImageFixtureTest, isRecognisedByContent) {
    EXPECT_EQ(sniffImageFormat(readFixture(GetParam().file)), GetParam().format);
}

// The limits apply to the size the file declares, to the pixel and to the byte.
TEST_P(ImageFixtureTest, isRefusedJustOverEitherLimit) {
    const Bytes bytes = readFixture(GetParam().file);
    const Image picture = pictureOf(GetParam().picture);
    const int side = std::max(picture.width, picture.height);
    const std::size_t size = picture.pixels.size() * 4;
    EXPECT_FALSE(decodeImage(bytes, {side - 1, size}));
    EXPECT_FALSE(decodeImage(bytes, {side, size - 1}));
    EXPECT_TRUE(decodeImage(bytes, {side, size}));
}

INSTANTIATE_TEST_SUITE_P(Files, ImageFixtureTest, testing::ValuesIn(kImageFixtures), CaseName());

// Layouts ImageMagick does not write, built here field by field.
struct BuiltCase {
    const char* name;
    Bytes (*bytes)();
    Image expected;
};

Bytes topDownBmp() {
    return ByteWriter()
        .bytes({'B', 'M'})
        .u32(0)                 // file size: not read
        .u32(0)                 // reserved
        .u32(14 + 40 + 2 * 4)   // where the rows start
        .u32(40)                // BITMAPINFOHEADER
        .i32(3)                 // width
        .i32(-2)                // height, negative: top row first
        .u16(1)                 // planes
        .u16(8)                 // bits a pixel
        .u32(0)                 // BI_RGB
        .u32(0)                 // image size: may be zero for BI_RGB
        .u32(0)                 // pixels a metre across
        .u32(0)                 // pixels a metre down
        .u32(2)                 // colours in the palette
        .u32(0)                 // important colours
        .bytes({0, 0, 0xFF, 0}) // palette 0: red, as blue green red unused
        .bytes({0xFF, 0, 0, 0}) // palette 1: blue
        .bytes({0, 1, 0, 0})    // top row: red blue red, padded to four bytes
        .bytes({1, 1, 0, 0})    // bottom row: blue blue red
        .done();
}

Bytes runLength4Bmp() {
    return ByteWriter()
        .bytes({'B', 'M'})
        .u32(0)                 // file size
        .u32(0)                 // reserved
        .u32(14 + 40 + 3 * 4)   // where the codes start
        .u32(40)                // BITMAPINFOHEADER
        .i32(5)                 // width
        .i32(2)                 // height, bottom row first
        .u16(1)                 // planes
        .u16(4)                 // bits a pixel
        .u32(2)                 // BI_RLE4
        .u32(0)                 // image size
        .u32(0)                 // pixels a metre across
        .u32(0)                 // pixels a metre down
        .u32(3)                 // colours in the palette
        .u32(0)                 // important colours
        .bytes({0, 0, 0xFF, 0}) // palette 0: red
        .bytes({0, 0xFF, 0, 0}) // palette 1: green
        .bytes({0xFF, 0, 0, 0}) // palette 2: blue
        .bytes({4, 0x01})       // bottom row: four pixels alternating 0 and 1
        .bytes({0, 0})          // end of line: the fifth pixel is left out
        .bytes({0, 3, 0x12, 0}) // top row: three pixels as they are, 1 2 0, padded to 16 bits
        .bytes({0, 2, 1, 0})    // move one right
        .bytes({1, 0x20})       // one pixel of 2
        .bytes({0, 1})          // end of bitmap
        .done();
}

Bytes bitfieldsAfterHeaderBmp() {
    return ByteWriter()
        .bytes({'B', 'M'})
        .u32(0)               // file size
        .u32(0)               // reserved
        .u32(14 + 40 + 3 * 4) // where the rows start: after the masks
        .u32(40)              // BITMAPINFOHEADER: the masks follow it
        .i32(3)               // width
        .i32(1)               // height
        .u16(1)               // planes
        .u16(16)              // bits a pixel
        .u32(3)               // BI_BITFIELDS
        .u32(0)               // image size
        .u32(0)               // pixels a metre across
        .u32(0)               // pixels a metre down
        .u32(0)               // colours in the palette
        .u32(0)               // important colours
        .u32(0xF800)          // red mask: 5 bits
        .u32(0x07E0)          // green mask: 6 bits
        .u32(0x001F)          // blue mask: 5 bits
        .u16(0xF800)          // red
        .u16(0x07E0)          // green
        .u16(0x8410)          // half of each: 16/31, 32/63, 16/31
        .u16(0)               // padding
        .done();
}

// A 32-bit BI_RGB BMP, 2 x 1, whose fourth bytes are alphaFirst and alphaSecond.
Bytes bgraBmp(std::uint8_t alphaFirst, std::uint8_t alphaSecond) {
    return ByteWriter()
        .bytes({'B', 'M'})
        .u32(0)                           // file size
        .u32(0)                           // reserved
        .u32(14 + 40)                     // where the rows start
        .u32(40)                          // BITMAPINFOHEADER
        .i32(2)                           // width
        .i32(1)                           // height
        .u16(1)                           // planes
        .u16(32)                          // bits a pixel
        .u32(0)                           // BI_RGB
        .u32(0)                           // image size
        .u32(0)                           // pixels a metre across
        .u32(0)                           // pixels a metre down
        .u32(0)                           // colours in the palette
        .u32(0)                           // important colours
        .bytes({0, 0, 0xFF, alphaFirst})  // red, as blue green red alpha
        .bytes({0xFF, 0, 0, alphaSecond}) // blue
        .done();
}

Bytes opaqueBgraBmp() {
    return bgraBmp(0, 0);
}
Bytes translucentBgraBmp() {
    return bgraBmp(0x80, 0);
}

Bytes fourBitIconWithMask() {
    return ByteWriter()
        .u16(0)                          // reserved
        .u16(1)                          // icon
        .u16(1)                          // entries
        .u8(2)                           // width
        .u8(2)                           // height
        .u8(0)                           // colours
        .u8(0)                           // reserved
        .u16(1)                          // planes
        .u16(4)                          // bits a pixel
        .u32(40 + 2 * 4 + 2 * 4 + 2 * 4) // size: header, palette, colour rows, mask rows
        .u32(6 + 16)                     // offset: after the directory
        .u32(40)                         // BITMAPINFOHEADER
        .i32(2)                          // width
        .i32(4)                          // height: colour rows and mask rows
        .u16(1)                          // planes
        .u16(4)                          // bits a pixel
        .u32(0)                          // BI_RGB
        .u32(0)                          // image size
        .u32(0)                          // pixels a metre across
        .u32(0)                          // pixels a metre down
        .u32(2)                          // colours in the palette
        .u32(0)                          // important colours
        .bytes({0, 0, 0xFF, 0})          // palette 0: red
        .bytes({0xFF, 0, 0, 0})          // palette 1: blue
        .bytes({0x01, 0, 0, 0})          // bottom row: red blue
        .bytes({0x10, 0, 0, 0})          // top row: blue red
        .bytes({0x40, 0, 0, 0})          // mask, bottom row: the second pixel is clear
        .bytes({0x80, 0, 0, 0})          // mask, top row: the first pixel is clear
        .done();
}

Bytes alphaFreeIconWithMask() {
    return ByteWriter()
        .u16(0)                 // reserved
        .u16(1)                 // icon
        .u16(1)                 // entries
        .u8(2)                  // width
        .u8(1)                  // height
        .u8(0)                  // colours
        .u8(0)                  // reserved
        .u16(1)                 // planes
        .u16(32)                // bits a pixel
        .u32(40 + 2 * 4 + 4)    // size: header, colour row, mask row
        .u32(6 + 16)            // offset
        .u32(40)                // BITMAPINFOHEADER
        .i32(2)                 // width
        .i32(2)                 // height: one colour row, one mask row
        .u16(1)                 // planes
        .u16(32)                // bits a pixel
        .u32(0)                 // BI_RGB
        .u32(0)                 // image size
        .u32(0)                 // pixels a metre across
        .u32(0)                 // pixels a metre down
        .u32(0)                 // colours in the palette
        .u32(0)                 // important colours
        .bytes({0, 0, 0xFF, 0}) // red, alpha zero as old icons write it
        .bytes({0xFF, 0, 0, 0}) // blue
        .bytes({0x40, 0, 0, 0}) // mask: the second pixel is clear
        .done();
}

Bytes alphaBitTga() {
    return ByteWriter()
        .u8(0)       // no image ID
        .u8(0)       // no colour map
        .u8(2)       // true colour, uncompressed
        .u16(0)      // first map entry
        .u16(0)      // map entries
        .u8(0)       // map entry bits
        .u16(0)      // x origin
        .u16(0)      // y origin
        .u16(2)      // width
        .u16(1)      // height
        .u8(16)      // bits a pixel
        .u8(0x21)    // top row first, one alpha bit
        .u16(0xFC00) // alpha bit set, red 31
        .u16(0x03E0) // alpha bit clear, green 31
        .done();
}

Bytes idAndUnusedMapTga() {
    return ByteWriter()
        .u8(3)                     // three bytes of image ID
        .u8(1)                     // a colour map...
        .u8(2)                     // ...that a true-colour image does not use
        .u16(0)                    // first map entry
        .u16(2)                    // map entries
        .u8(24)                    // map entry bits
        .u16(0)                    // x origin
        .u16(0)                    // y origin
        .u16(1)                    // width
        .u16(1)                    // height
        .u8(24)                    // bits a pixel
        .u8(0x20)                  // top row first
        .bytes({'i', 'd', '!'})    // image ID
        .bytes({0, 0, 0, 1, 1, 1}) // the map: two near-black entries
        .bytes({0xFF, 0, 0})       // blue, as blue green red
        .done();
}

// The RGB codestream relabelled so that every component is sampled at every second point of
// a 7 x 3 grid: the coded samples stay 4 x 2, each now standing for up to 2 x 2 pixels.
Bytes subsampledJ2k() {
    Bytes bytes = readFixture("j2k_rgb.j2k");
    const std::size_t siz = offsetOf(bytes, {0xFF, 0x51});
    putBigEndian(bytes, siz + 6, 7, 4);  // Xsiz: grid width
    putBigEndian(bytes, siz + 10, 3, 4); // Ysiz: grid height
    putBigEndian(bytes, siz + 22, 7, 4); // XTsiz: one tile for all of it
    putBigEndian(bytes, siz + 26, 3, 4); // YTsiz
    for (std::size_t component = 0; component < 3; ++component) {
        bytes.at(siz + 41 + 3 * component) = 2; // XRsiz
        bytes.at(siz + 42 + 3 * component) = 2; // YRsiz
    }
    return bytes;
}

Image stretchedRgb() {
    const Image rgb = pictureOf(Picture::Rgb);
    Image stretched{7, 3, {}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 7; ++x) {
            stretched.pixels.push_back(rgb.pixels[static_cast<std::size_t>(y / 2 * 4 + x / 2)]);
        }
    }
    return stretched;
}

class BuiltImageTest : public testing::TestWithParam<BuiltCase> {};

TEST_P(BuiltImageTest, decodesToExpectedPixels) {
    EXPECT_TRUE(looksLike(decodeImage(GetParam().bytes()), GetParam().expected));
}

const BuiltCase kBuiltCases[] = {
    {"bmpTopDown8", topDownBmp, {3, 2, {kRed, kBlue, kRed, kBlue, kBlue, kRed}}},
    {"bmpRunLength4",
     runLength4Bmp,
     {5, 2, {kGreen, kBlue, kRed, kClear, kBlue, kRed, kGreen, kRed, kGreen, kClear}}},
    {"bmpBitfieldsAfterHeader", bitfieldsAfterHeaderBmp, {3, 1, {kRed, kGreen, 0xFF848284}}},
    {"bmpZeroAlphaIsOpaque", opaqueBgraBmp, {2, 1, {kRed, kBlue}}},
    {"bmpAlphaByteKept", translucentBgraBmp, {2, 1, {0x80FF0000, kClear}}},
    {"icoFourBitsWithMask", fourBitIconWithMask, {2, 2, {kClear, kRed, kRed, kClear}}},
    {"icoZeroAlphaUsesMask", alphaFreeIconWithMask, {2, 1, {kRed, kClear}}},
    {"tga16AlphaBit", alphaBitTga, {2, 1, {kRed, kClear}}},
    {"tgaIdAndUnusedMap", idAndUnusedMapTga, {1, 1, {kBlue}}},
    {"j2kSubsampled", subsampledJ2k, stretchedRgb()},
};

INSTANTIATE_TEST_SUITE_P(Layouts, BuiltImageTest, testing::ValuesIn(kBuiltCases), CaseName());

struct ForeignCase {
    const char* name;
    Bytes bytes;
};

class NotAnImageTest : public testing::TestWithParam<ForeignCase> {};

TEST_P(NotAnImageTest, areNoImage) {
    EXPECT_EQ(sniffImageFormat(GetParam().bytes), std::nullopt);
    EXPECT_EQ(decodeImage(GetParam().bytes), std::nullopt);
}

const ForeignCase kForeignCases[] = {
    {"empty", {}},
    {"text",
     {'<', '?', 'x', 'm', 'l', ' ', 'v', 'e', 'r', 's', 'i', 'o', 'n', '=', '"', '1', '"', '?', '>', '\n'}},
    {"gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x3B}},
    {"webp", {'R', 'I', 'F', 'F', 12, 0, 0, 0, 'W', 'E', 'B', 'P', 'V', 'P', '8', 'L', 0, 0, 0, 0}},
    {"zeros", Bytes(32, 0)},
    {"cursor", {0, 0, 2, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Bytes, NotAnImageTest, testing::ValuesIn(kForeignCases), CaseName());

} // namespace
} // namespace tandrel::test
