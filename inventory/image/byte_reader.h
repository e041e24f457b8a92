#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tandrel {

bool startsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix);

// Reads little-endian fields from untrusted bytes. A read past the end gives zero and fails the
// reader for good, so a header can be read straight through and checked once at the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32();
    // The next count bytes; empty, and the reader failed, when fewer remain.
    std::span<const std::uint8_t> take(std::size_t count);
    void skip(std::size_t count) { take(count); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

} // namespace tandrel
