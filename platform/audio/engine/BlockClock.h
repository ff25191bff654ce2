// When an output's current block began to play, so the frame being heard now
// can be told between blocks.
//
// Threads: BlockStarted comes from the output's own thread; FrameNow from any
// thread (guarded by mutex_).
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>

namespace audio {

class BlockClock {
public:
    explicit BlockClock(int rate) : rate_(rate) {}

    void BlockStarted(std::int64_t firstFrame) {
        std::lock_guard lock(mutex_);
        firstFrame_ = firstFrame;
        started_ = std::chrono::steady_clock::now();
        anyBlock_ = true;
    }

    // The current block's first frame plus the frames played since it began,
    // at most blockFrames; nothing before the first block.
    std::optional<std::int64_t> FrameNow(std::int64_t blockFrames) const {
        std::lock_guard lock(mutex_);
        if (!anyBlock_) return std::nullopt;
        const auto elapsed = std::chrono::steady_clock::now() - started_;
        const auto frames = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() *
                            rate_ / 1'000'000;
        return firstFrame_ + std::clamp<std::int64_t>(frames, 0, blockFrames);
    }

private:
    const int rate_;
    mutable std::mutex mutex_;
    std::int64_t firstFrame_ = 0;                      // guarded by mutex_
    std::chrono::steady_clock::time_point started_{};  // guarded by mutex_
    bool anyBlock_ = false;                            // guarded by mutex_
};

}  // namespace audio
