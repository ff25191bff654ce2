// Magnitudes of a 2,048-point FFT (libavutil's real DFT) over a Hann window:
// 1,024 bins, lowest first, scaled so a full-scale sine centred on a bin
// reads 0.5 and nothing reads above 1.
#pragma once

#include <array>
#include <vector>

extern "C" {
#include <libavutil/tx.h>
}

namespace audio {

class Spectrum {
public:
    static constexpr int kPoints = 2048;
    static constexpr int kBins = kPoints / 2;

    Spectrum();
    ~Spectrum();
    Spectrum(const Spectrum&) = delete;
    Spectrum& operator=(const Spectrum&) = delete;

    bool Ready() const { return context_ != nullptr; }
    // samples: kPoints mono values in [-1, 1], oldest first; fills kBins values.
    void Compute(const float* samples, float* bins);

private:
    AVTXContext* context_ = nullptr;
    av_tx_fn transform_ = nullptr;
    std::array<float, kPoints> window_{};
    std::vector<float> input_ = std::vector<float>(kPoints);
    std::vector<AVComplexFloat> output_ = std::vector<AVComplexFloat>(kBins + 1);
};

}  // namespace audio
