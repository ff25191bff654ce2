#include "platform/audio/engine/SilentOutput.h"

#include <algorithm>
#include <vector>

namespace audio {

SilentOutput::SilentOutput(int rate, int blockFrames)
    : rate_(rate), blockFrames_(blockFrames), clock_(rate) {}

SilentOutput::~SilentOutput() {
    Stop();
}

bool SilentOutput::Start(RenderBlock render) {
    if (thread_.joinable()) return false;
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = false;
    }
    thread_ = std::thread([this, render = std::move(render)] { Run(render); });
    return true;
}

void SilentOutput::Stop() {
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stopWake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

std::int64_t SilentOutput::FramesHeard() const {
    return clock_.FrameNow(blockFrames_).value_or(0);
}

void SilentOutput::Run(RenderBlock render) {
    using Clock = std::chrono::steady_clock;
    const auto blockDuration = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(blockFrames_) / rate_));
    std::vector<std::int16_t> block(static_cast<std::size_t>(blockFrames_) * kOutputChannels);
    std::int64_t nextFrame = 0;
    auto due = Clock::now();
    for (;;) {
        render(block.data(), blockFrames_, nextFrame);
        clock_.BlockStarted(nextFrame);
        nextFrame += blockFrames_;
        due += blockDuration;
        // After a long stall (a suspended machine) pick up from now instead of rushing.
        if (Clock::now() - due > 4 * blockDuration) due = Clock::now();
        std::unique_lock lock(stopMutex_);
        if (stopWake_.wait_until(lock, due, [this] { return stopping_; })) return;
    }
}

}  // namespace audio
