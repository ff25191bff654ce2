// Anti-aliasing by a fixed grid of samples per pixel: deterministic and plenty
// for pictures this small.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/gui/Picture.h"

namespace resources {

inline constexpr int kSamplesPerSide = 4;

// Premultiplied sum of the samples of one pixel.
struct SampleSum {
    double r = 0, g = 0, b = 0, a = 0;
    void Add(double red, double green, double blue, double alpha) {
        r += red * alpha;
        g += green * alpha;
        b += blue * alpha;
        a += alpha;
    }
    gui::Rgba Average() const {
        constexpr double count = kSamplesPerSide * kSamplesPerSide;
        if (a <= 0) return {0, 0, 0, 0};
        const auto channel = [](double v) {
            return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
        };
        return {channel(r / a), channel(g / a), channel(b / a), channel(a / count * 255.0)};
    }
};

// Calls sample(x, y, sum) at each sample point of pixel (px, py).
template <typename Sampler>
gui::Rgba SamplePixel(int px, int py, Sampler&& sample) {
    SampleSum sum;
    for (int j = 0; j < kSamplesPerSide; ++j)
        for (int i = 0; i < kSamplesPerSide; ++i)
            sample(px + (i + 0.5) / kSamplesPerSide, py + (j + 0.5) / kSamplesPerSide, sum);
    return sum.Average();
}

}  // namespace resources
