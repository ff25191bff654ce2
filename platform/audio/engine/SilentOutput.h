// An output without a device: a thread takes one block every block duration
// by the steady clock and drops it, so playback keeps real-time pace.
//
// Threads: Start and Stop come from the GUI thread; the render function runs
// on this output's thread; FramesHeard from any thread (through clock_).
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/audio/engine/AudioOutput.h"
#include "platform/audio/engine/BlockClock.h"

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
    BlockClock clock_;       // the block being "played"
};

}  // namespace audio
