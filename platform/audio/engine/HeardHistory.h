// What a channel handed to the output recently, stamped with the output's
// timeline: the blocks (to tell the position the listener hears) and the
// samples mixed to mono before the volume (for the spectrum).
//
// Not thread-safe by itself: the owning Channel guards it with its mutex.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace audio {

class HeardHistory {
public:
    static constexpr int kWindow = 2048;

    // How many source frames one output frame stands for.
    explicit HeardHistory(double sourceFramesPerOutputFrame);

    // A block of frames output frames from firstOutputFrame on, starting at sourceFrame.
    void AddBlock(std::int64_t firstOutputFrame, int frames, double sourceFrame,
                  const float* mono);
    // Forgets all blocks; Position reads sourceFrame until the next block is heard.
    void Reset(double sourceFrame);

    // The source position heard at output frame heard.
    double Position(std::int64_t heard) const;
    // Where the last block handed over ends on the output timeline (0 before any).
    std::int64_t HandedEnd() const { return handedEnd_; }
    // The kWindow mono samples that end at output frame heard, oldest first;
    // zeros where nothing was handed yet.
    void Window(std::int64_t heard, float* out) const;

private:
    struct Block {
        std::int64_t firstOutputFrame;
        int frames;
        double sourceFrame;
    };
    static constexpr std::size_t kBlocks = 64;
    static constexpr std::size_t kSamples = 4 * kWindow;

    const double ratio_;
    std::array<Block, kBlocks> blocks_{};
    std::size_t blockCount_ = 0;  // valid blocks, the newest at blockNext_ - 1
    std::size_t blockNext_ = 0;
    double resetPosition_ = 0;
    std::int64_t handedEnd_ = 0;

    std::vector<float> samples_ = std::vector<float>(kSamples, 0.0f);
    std::size_t sampleNext_ = 0;      // where the next sample goes
    std::int64_t samplesWritten_ = 0;  // since the last Reset
};

}  // namespace audio
