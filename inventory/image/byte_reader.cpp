#include "inventory/image/byte_reader.h"

#include <algorithm>

namespace tandrel {

bool startsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

std::span<const std::uint8_t> ByteReader::take(std::size_t count) {
    if (!ok_ || count > bytes_.size() - position_) {
        ok_ = false;
        return {};
    }
    const auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
}

std::uint8_t ByteReader::u8() {
    const auto field = take(1);
    return field.empty() ? 0 : field[0];
}

std::uint16_t ByteReader::u16() {
    const auto field = take(2);
    return field.empty() ? 0 : static_cast<std::uint16_t>(field[0] | field[1] << 8);
}

std::uint32_t ByteReader::u32() {
    const auto field = take(4);
    if (field.empty()) {
        return 0;
    }
    return std::uint32_t{field[0]} | std::uint32_t{field[1]} << 8 | std::uint32_t{field[2]} << 16 |
           std::uint32_t{field[3]} << 24;
}

std::int32_t ByteReader::i32() {
    return static_cast<std::int32_t>(u32());
}

} // namespace tandrel
