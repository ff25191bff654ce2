// An output without a device: a thread takes one block every block duration
// by the steady clock and drops it, so playback keeps real-time pace.
//
// Threads: Start and Stop come from the GUI thread; the render function runs
// on this output's thread; FramesHeard from any thread (guarded by clockMutex_).
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/audio/engine/AudioOutput.h"

namespace audio {

class SilentOutput final : public AudioOutput {
public:
    explicit SilentOutput(int rate, int blockFrames = 1024);
    ~SilentOutput() override;

    int Rate() const override { return rate_; }
    bool Start(RenderBlock render) override;
    void Stop() override;
    std::int64_t FramesHeard() const override;

private:
    void Run(RenderBlock render);

    const int rate_;
    const int blockFrames_;
    std::thread thread_;
    std::mutex stopMutex_;
    std::condition_variable stopWake_;
    bool stopping_ = false;  // guarded by stopMutex_

    mutable std::mutex clockMutex_;
    std::int64_t blockFirstFrame_ = 0;  // guarded by clockMutex_: the block being "played"
    std::chrono::steady_clock::time_point blockStart_{};  // guarded by clockMutex_
    bool anyBlock_ = false;  // guarded by clockMutex_
};

}  // namespace audio
