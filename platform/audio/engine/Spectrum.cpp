#include "platform/audio/engine/Spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace audio {

Spectrum::Spectrum() {
    const float scale = 1.0f;
    if (av_tx_init(&context_, &transform_, AV_TX_FLOAT_RDFT, 0, kPoints, &scale,
                   AV_TX_UNALIGNED) < 0)
        context_ = nullptr;
    for (int n = 0; n < kPoints; ++n)
        window_[n] = static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * n / kPoints));
}

Spectrum::~Spectrum() { av_tx_uninit(&context_); }

void Spectrum::Compute(const float* samples, float* bins) {
    if (!Ready()) {
        std::fill(bins, bins + kBins, 0.0f);
        return;
    }
    for (int n = 0; n < kPoints; ++n) input_[n] = samples[n] * window_[n];
    transform_(context_, output_.data(), input_.data(), sizeof(float));
    // The Hann window's gain is 1/2, so a sine of amplitude 1 peaks at N/4: 2/N brings it to 0.5.
    constexpr float kScale = 2.0f / kPoints;
    for (int k = 0; k < kBins; ++k)
        bins[k] = std::hypot(output_[k].re, output_[k].im) * kScale;
}

}  // namespace audio
