#include "platform/audio/engine/HeardHistory.h"

#include <algorithm>

namespace audio {

HeardHistory::HeardHistory(double sourceFramesPerOutputFrame) : ratio_(sourceFramesPerOutputFrame) {}

void HeardHistory::AddBlock(std::int64_t firstOutputFrame, int frames, double sourceFrame,
                            const float* mono) {
    blocks_[blockNext_] = {firstOutputFrame, frames, sourceFrame};
    blockNext_ = (blockNext_ + 1) % kBlocks;
    blockCount_ = std::min(blockCount_ + 1, kBlocks);
    handedEnd_ = firstOutputFrame + frames;
    for (int i = 0; i < frames; ++i) {
        samples_[sampleNext_] = mono[i];
        sampleNext_ = (sampleNext_ + 1) % kSamples;
    }
    samplesWritten_ += frames;
}

void HeardHistory::Reset(double sourceFrame) {
    blockCount_ = 0;
    resetPosition_ = sourceFrame;
    samplesWritten_ = 0;
    std::fill(samples_.begin(), samples_.end(), 0.0f);
}

double HeardHistory::Position(std::int64_t heard) const {
    // The newest block that started by now; a gap after it (a pause) holds its end.
    for (std::size_t k = 0; k < blockCount_; ++k) {
        const Block& b = blocks_[(blockNext_ + kBlocks - 1 - k) % kBlocks];
        if (b.firstOutputFrame <= heard) {
            const auto into = std::min<std::int64_t>(heard - b.firstOutputFrame, b.frames);
            return b.sourceFrame + static_cast<double>(into) * ratio_;
        }
    }
    // Nothing handed over is heard yet: the oldest block's start, or where we were put.
    if (blockCount_ == 0) return resetPosition_;
    return blocks_[(blockNext_ + kBlocks - blockCount_) % kBlocks].sourceFrame;
}

void HeardHistory::Window(std::int64_t heard, float* out) const {
    // Samples handed over but not yet heard are the newest ones; skip them.
    const std::int64_t ahead =
        std::clamp<std::int64_t>(handedEnd_ - heard, 0, static_cast<std::int64_t>(kSamples - kWindow));
    const std::int64_t available = std::clamp<std::int64_t>(samplesWritten_ - ahead, 0, kWindow);
    const std::size_t missing = kWindow - static_cast<std::size_t>(available);
    std::fill(out, out + missing, 0.0f);
    std::size_t at = (sampleNext_ + kSamples - static_cast<std::size_t>(ahead) -
                      static_cast<std::size_t>(available)) %
                     kSamples;
    for (std::size_t i = missing; i < kWindow; ++i) {
        out[i] = samples_[at];
        at = (at + 1) % kSamples;
    }
}

}  // namespace audio
