#include "inventory/image/decoders.h"
#include "inventory/image/image.h"

#include "case_name.h"
#include "image_fixtures.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tandrel::test {
namespace {

// Each prefix is copied into an allocation of its own size, so that AddressSanitizer sees a read
// past its end.
std::optional<Image> decodeCopy(const Bytes& bytes, std::size_t length) {
    const Bytes prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return decodeImage(prefix);
}

class CutFixtureTest : public testing::TestWithParam<ImageFixture> {};

// Every format keeps pixel data or a needed directory in its second half. Past that, a cut may
// only cost bytes the picture does not depend on, and then the whole picture must come out.
TEST_P(CutFixtureTest, givesNothingOrTheWholePicture) {
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
TEST_P(CutFixtureTest, damagedBytesNeverGiveAMalformedImage) {
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
            EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CutFixtureTest, testing::ValuesIn(kImageFixtures), CaseName());

// A header change and what the decoder must make of it.
struct PatchCase {
    const char* name;
    const char* file;
    // Offset of the field; negative counts from the start of pattern.
    std::size_t offset;
    std::uint32_t value;
    std::size_t size;
    bool bigEndian;
};

Bytes patched(const PatchCase& patch) {
    Bytes bytes = readFixture(patch.file);
    if (patch.bigEndian) {
        putBigEndian(bytes, patch.offset, patch.value, patch.size);
    } else {
        putLittleEndian(bytes, patch.offset, patch.value, patch.size);
    }
    return bytes;
}

class HugeClaimTest : public testing::TestWithParam<PatchCase> {};

// Sizes far past the limits, or at the edge of what the header's field can hold.
TEST_P(HugeClaimTest, isRefused) { EXPECT_EQ(decodeImage(patched(GetParam())), std::nullopt); }

// Offsets into the fixtures, as make_images.sh writes them.
const PatchCase kHugeClaims[] = {
    {"tgaWidest", "tga_rgba_top.tga", 12, 0xFFFF, 2, false},
    {"tgaTallest", "tga_rgba_top.tga", 14, 0xFFFF, 2, false},
    {"tgaJustTooWide", "tga_rgb_rle.tga", 12, 16385, 2, false},
    {"bmpWidest", "bmp_rgb24.bmp", 18, 0x7FFFFFFF, 4, false},
    {"bmpTallest", "bmp_rgb24.bmp", 22, 0x7FFFFFFF, 4, false},
    {"bmpMostTopDown", "bmp_rgb24.bmp", 22, 0x80000000, 4, false},
    {"bmpRunLengthTallest", "bmp_rle8.bmp", 22, 0x7FFFFFFF, 4, false},
    {"icoDibWidest", "ico_rgba.ico", 22 + 4, 0x7FFFFFFF, 4, false},
    {"icoDibTallest", "ico_rgba.ico", 22 + 8, 0xFFFFFFFE, 4, false},
    {"tiffWidest", "tiff_rgba.tif", 40 + 2 + 8, 0xFFFF, 2, false},
    {"jpegWidest", "jpeg_baseline.jpg", 0, 0, 0, true},
};

INSTANTIATE_TEST_SUITE_P(Headers, HugeClaimTest, testing::ValuesIn(kHugeClaims), CaseName());

} // namespace
} // namespace tandrel::test
