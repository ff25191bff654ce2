#include "platform/audio/engine/Spectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace audio {
namespace {

std::vector<float> Sine(double bin, double amplitude) {
    std::vector<float> samples(Spectrum::kPoints);
    for (int n = 0; n < Spectrum::kPoints; ++n)
        samples[n] = static_cast<float>(amplitude *
                                        std::sin(2 * std::numbers::pi * bin * n / Spectrum::kPoints));
    return samples;
}

TEST(SpectrumTest, FullScaleSineCentredOnABinReadsAHalfThere) {
    Spectrum spectrum;
    ASSERT_TRUE(spectrum.Ready());
    for (int bin : {1, 46, 500, 1000}) {
        std::vector<float> bins(Spectrum::kBins, -1.0f);
        spectrum.Compute(Sine(bin, 1.0).data(), bins.data());
        const auto peak = std::max_element(bins.begin(), bins.end());
        EXPECT_EQ(bin, peak - bins.begin());
        EXPECT_NEAR(0.5, *peak, 0.01) << "bin " << bin;
        // Hann leaks into the two neighbours only.
        EXPECT_LT(bins[(bin + 5) % Spectrum::kBins], 1e-3) << "bin " << bin;
    }
}

TEST(SpectrumTest, ScalesWithAmplitudeAndStaysWithinOne) {
    Spectrum spectrum;
    std::vector<float> bins(Spectrum::kBins);
    spectrum.Compute(Sine(46.4, 0.25).data(), bins.data());
    EXPECT_NEAR(0.125, bins[46], 0.03);

    std::vector<float> square(Spectrum::kPoints);
    for (int n = 0; n < Spectrum::kPoints; ++n) square[n] = (n / 16) % 2 ? 1.0f : -1.0f;
    spectrum.Compute(square.data(), bins.data());
    EXPECT_LE(*std::max_element(bins.begin(), bins.end()), 1.0f);
    EXPECT_GE(*std::min_element(bins.begin(), bins.end()), 0.0f);

    const std::vector<float> silence(Spectrum::kPoints, 0.0f);
    spectrum.Compute(silence.data(), bins.data());
    EXPECT_EQ(0.0f, *std::max_element(bins.begin(), bins.end()));
}

}  // namespace
}  // namespace audio
