#include "inventory/image/image.h"

#include "tests/common/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel::test {
namespace {

using test::PrintTo;

Image filled(int width, int height, std::uint32_t pixel) {
    return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), pixel)};
}

Image greyRow(std::initializer_list<std::uint32_t> levels) {
    Image row{static_cast<int>(levels.size()), 1, {}};
    for (const std::uint32_t level : levels) {
        row.pixels.push_back(0xFF000000 | level * 0x010101);
    }
    return row;
}

struct SizeCase {
    const char* name;
    int sourceWidth;
    int sourceHeight;
    int width;
    int height;
};

class ImageScaleSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(ImageScaleSizeTest, keepsAUniformColourUniform) {
    const SizeCase& size = GetParam();
    for (const std::uint32_t colour : {0xFF3366CCu, 0x80FF8000u, 0x01FFFFFFu}) {
        const Image scaled =
            scaleSmooth(filled(size.sourceWidth, size.sourceHeight, colour), size.width, size.height);
        EXPECT_EQ(scaled, filled(size.width, size.height, colour)) << std::hex << colour;
    }
}

const SizeCase kSizes[] = {
    {"logoToSmallIcon", 44, 44, 16, 16},         {"wideLogoToSmallIcon", 150, 50, 16, 16},
    {"pixelToSmallIcon", 1, 1, 16, 16},          {"unevenShrink", 7, 5, 3, 4},
    {"shrinkOneWayEnlargeTheOther", 9, 2, 4, 7}, {"sameSize", 5, 3, 5, 3},
};

INSTANTIATE_TEST_SUITE_P(Sizes, ImageScaleSizeTest, testing::ValuesIn(kSizes), CaseName());

TEST(ImageScale, averagesACheckerboardToGrey) {
    const std::uint32_t black = 0xFF000000;
    const std::uint32_t white = 0xFFFFFFFF;
    const std::uint32_t grey = 0xFF808080; // 127.5 rounded up
    EXPECT_EQ(scaleSmooth({2, 2, {black, white, white, black}}, 1, 1), filled(1, 1, grey));
    const Image board{4,
                      4,
                      {black, white, black, white, white, black, white, black, black, white, black, white,
                       white, black, white, black}};
    EXPECT_EQ(scaleSmooth(board, 2, 2), filled(2, 2, grey));
}

TEST(ImageScale, shrinksByTheShareEachSourcePixelCovers) {
    // Three pixels into two: each target takes one pixel and half of the middle one.
    EXPECT_EQ(scaleSmooth(greyRow({0, 90, 180}), 2, 1), greyRow({30, 150}));
    EXPECT_EQ(scaleSmooth(greyRow({0, 0, 255, 255}), 2, 1), greyRow({0, 255}));
}

TEST(ImageScale, enlargesLinearlyBetweenPixelCentres) {
    EXPECT_EQ(scaleSmooth(greyRow({0, 200}), 4, 1), greyRow({0, 50, 150, 200}));
}

struct BleedCase {
    const char* name;
    Image source;
    int width;
    int height;
};

class ImageScaleTransparencyTest : public testing::TestWithParam<BleedCase> {};

// Transparent pixels carry colour bytes too (here bright green or white); none of it may show
// in a pixel that can be seen.
TEST_P(ImageScaleTransparencyTest, addsNoColour) {
    const Image scaled = scaleSmooth(GetParam().source, GetParam().width, GetParam().height);
    ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(GetParam().width * GetParam().height));
    EXPECT_GT(scaled.pixels.front() >> 24, 0u);
    for (const std::uint32_t pixel : scaled.pixels) {
        if (pixel >> 24 != 0) {
            EXPECT_EQ(pixel & 0x00FFFFFF, GetParam().source.pixels.front() & 0x00FFFFFF) << std::hex << pixel;
        }
    }
}

const BleedCase kBleedCases[] = {
    {"shrinkHalfClear", {2, 1, {0xFFFF0000, 0x0000FF00}}, 1, 1},
    {"enlargeHalfClear", {2, 1, {0xFFFF0000, 0x0000FF00}}, 5, 1},
    {"shrinkClearRing",
     {3,
      3,
      {0xFF0000FF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0xFF0000FF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF,
       0xFF0000FF}},
     2,
     2},
};

INSTANTIATE_TEST_SUITE_P(Sources, ImageScaleTransparencyTest, testing::ValuesIn(kBleedCases), CaseName());

TEST(ImageScale, halvesAlphaNextToAClearPixel) {
    EXPECT_EQ(scaleSmooth({2, 1, {0xFFFF0000, 0x0000FF00}}, 1, 1), filled(1, 1, 0x80FF0000));
}

TEST(ImageScale, givesNoPixelsForASideThatIsNotPositive) {
    const Image source = filled(4, 4, 0xFF000000);
    EXPECT_EQ(scaleSmooth(source, 0, 16), (Image{0, 16, {}}));
    EXPECT_EQ(scaleSmooth(source, 16, -3), (Image{16, 0, {}}));
}

TEST(ImageScale, makesAnEmptySourceTransparent) {
    EXPECT_EQ(scaleSmooth(Image{}, 2, 2), filled(2, 2, 0));
}

} // namespace
} // namespace tandrel::test
