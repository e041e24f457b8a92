#pragma once

#include "inventory/image/image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tandrel {

// Each format's sniff judges the first bytes only; its decoder checks everything else.

bool looksLikeBmp(std::span<const std::uint8_t> bytes);
std::optional<Image> decodeBmp(std::span<const std::uint8_t> bytes, const ImageLimits& limits);

bool looksLikeIco(std::span<const std::uint8_t> bytes);
std::optional<Image> decodeIco(std::span<const std::uint8_t> bytes, const ImageLimits& limits);

bool looksLikeJpeg(std::span<const std::uint8_t> bytes);
std::optional<Image> decodeJpeg(std::span<const std::uint8_t> bytes, const ImageLimits& limits);

// Both the boxed .jp2 file and the bare .j2k codestream.
bool looksLikeJpeg2000(std::span<const std::uint8_t> bytes);
std::optional<Image> decodeJpeg2000(std::span<const std::uint8_t> bytes, const ImageLimits& limits);

bool looksLikeTiff(std::span<const std::uint8_t> bytes);
std::optional<Image> decodeTiff(std::span<const std::uint8_t> bytes, const ImageLimits& limits);

// TGA has no magic bytes: this validates the whole header instead.
bool looksLikeTga(std::span<const std::uint8_t> bytes);
std::optional<Image> decodeTga(std::span<const std::uint8_t> bytes, const ImageLimits& limits);

bool looksLikePng(std::span<const std::uint8_t> bytes);
std::optional<Image> decodePng(std::span<const std::uint8_t> bytes, const ImageLimits& limits);

} // namespace tandrel
