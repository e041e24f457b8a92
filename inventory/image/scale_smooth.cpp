#include "inventory/image/image.h"
#include "inventory/image/pixel.h"

#include <algorithm>
#include <cmath>

namespace tandrel {
namespace {

struct Tap {
    std::size_t index;
    float weight;
};

// For each target position along one axis, the source positions it draws from; the weights of
// each target position add up to one.
std::vector<std::vector<Tap>> tapsAlong(int sourceSize, int targetSize) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(targetSize));
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int target = 0; target < targetSize; ++target) {
        auto& into = taps[static_cast<std::size_t>(target)];
        if (targetSize < sourceSize) {
            // Shrinking: the mean of the source span the target pixel covers, edge pixels by their share.
            const double begin = target * scale;
            const double end = begin + scale;
            for (auto source = static_cast<int>(begin); source < sourceSize && source < end; ++source) {
                const double overlap = std::min<double>(end, source + 1) - std::max<double>(begin, source);
                into.push_back({static_cast<std::size_t>(source), static_cast<float>(overlap / scale)});
            }
            continue;
        }
        // Enlarging: linear between the two nearest source pixel centres.
        const double centre = std::clamp((target + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
        const auto left = static_cast<int>(centre);
        const double fraction = centre - left;
        into.push_back({static_cast<std::size_t>(left), static_cast<float>(1 - fraction)});
        if (fraction > 0) {
            into.push_back({static_cast<std::size_t>(left + 1), static_cast<float>(fraction)});
        }
    }
    return taps;
}

// Colours premultiplied by alpha, so that a transparent pixel adds nothing to its neighbours'
// colour however bright its own colour bytes are.
struct Premultiplied {
    float alpha = 0;
    float red = 0;
    float green = 0;
    float blue = 0;

    void add(const Premultiplied& other, float weight) {
        alpha += other.alpha * weight;
        red += other.red * weight;
        green += other.green * weight;
        blue += other.blue * weight;
    }
};

Premultiplied premultiply(std::uint32_t pixel) {
    const float alpha = static_cast<float>(alphaOf(pixel));
    const float share = alpha / 255;
    return {alpha, static_cast<float>(redOf(pixel)) * share, static_cast<float>(greenOf(pixel)) * share,
            static_cast<float>(blueOf(pixel)) * share};
}

std::uint32_t toByte(float value) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0f, 255.0f)));
}

std::uint32_t straighten(const Premultiplied& pixel) {
    if (pixel.alpha <= 0) {
        return 0;
    }
    const float share = 255 / pixel.alpha;
    return argb(toByte(pixel.alpha), toByte(pixel.red * share), toByte(pixel.green * share),
                toByte(pixel.blue * share));
}

} // namespace

Image scaleSmooth(const Image& source, int width, int height) {
    Image target{std::max(width, 0), std::max(height, 0), {}};
    target.pixels.resize(static_cast<std::size_t>(target.width) * static_cast<std::size_t>(target.height));
    if (target.pixels.empty() || source.pixels.empty()) {
        return target;
    }
    const auto sourceWidth = static_cast<std::size_t>(source.width);
    const auto targetWidth = static_cast<std::size_t>(width);
    // Rows first, into an image as wide as the target and as high as the source; then columns.
    const auto across = tapsAlong(source.width, width);
    std::vector<Premultiplied> rows(targetWidth * static_cast<std::size_t>(source.height));
    for (std::size_t y = 0; y < static_cast<std::size_t>(source.height); ++y) {
        for (std::size_t x = 0; x < targetWidth; ++x) {
            for (const Tap& tap : across[x]) {
                rows[y * targetWidth + x].add(premultiply(source.pixels[y * sourceWidth + tap.index]),
                                              tap.weight);
            }
        }
    }
    const auto down = tapsAlong(source.height, height);
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        for (std::size_t x = 0; x < targetWidth; ++x) {
            Premultiplied sum;
            for (const Tap& tap : down[y]) {
                sum.add(rows[tap.index * targetWidth + x], tap.weight);
            }
            target.pixels[y * targetWidth + x] = straighten(sum);
        }
    }
    return target;
}

} // namespace tandrel
