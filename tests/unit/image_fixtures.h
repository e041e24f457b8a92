#pragma once

#include "inventory/image/image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace tandrel::test {

using Bytes = std::vector<std::uint8_t>;

// The pictures tests/fixtures/images/make_images.sh draws its files from.
enum class Picture { Rgba, Rgb, Grey, Mono };

struct ImageFixture {
    const char* name;
    const char* file;
    ImageFormat format;
    Picture picture;
    // Largest difference allowed in any channel; lossy formats need some.
    int tolerance;
};

extern const std::vector<ImageFixture> kImageFixtures;

Image pictureOf(Picture picture);
// The bytes of a file in tests/fixtures/images; throws when it cannot be read, so that a
// missing fixture fails its test instead of passing over empty bytes.
Bytes readFixture(const std::string& file);

// Same size, and every channel of every pixel within tolerance; fully transparent pixels match
// whatever colour they carry.
testing::AssertionResult looksLike(const std::optional<Image>& actual, const Image& expected,
                                   int tolerance = 0);

// Builds binary test data field by field, little-endian unless the name says otherwise.
class ByteWriter {
public:
    ByteWriter& u8(std::uint8_t value);
    ByteWriter& u16(std::uint16_t value);
    ByteWriter& u32(std::uint32_t value);
    ByteWriter& i32(std::int32_t value) { return u32(static_cast<std::uint32_t>(value)); }
    ByteWriter& bytes(std::initializer_list<std::uint8_t> values);
    Bytes done() const { return data_; }

private:
    Bytes data_;
};

// Writes value big-endian (as PNG, JPEG and JPEG 2000 headers store numbers) over size bytes at offset.
void putBigEndian(Bytes& bytes, std::size_t offset, std::uint32_t value, std::size_t size);
void putLittleEndian(Bytes& bytes, std::size_t offset, std::uint32_t value, std::size_t size);
// Where a marker or chunk name first occurs; throws when it does not.
std::size_t offsetOf(const Bytes& bytes, std::initializer_list<std::uint8_t> pattern);
// A PNG with its IHDR (and the chunk's CRC) rewritten to claim width x height.
Bytes pngClaiming(Bytes png, std::uint32_t width, std::uint32_t height);

} // namespace tandrel::test

namespace tandrel {
// Lets GoogleTest name formats in its messages.
void PrintTo(ImageFormat format, std::ostream* out);
} // namespace tandrel
