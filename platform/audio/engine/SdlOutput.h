// The default sound device through SDL2.
//
// Threads: Open, Start and Stop come from the GUI thread; the render function
// runs in SDL's audio callback thread; FramesHeard from any thread (through
// clock_).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio/engine/AudioOutput.h"
#include "platform/audio/engine/BlockClock.h"

namespace audio {

class SdlOutput final : public AudioOutput {
public:
    // Null with a reason when SDL has no device to open (no sound card).
    static std::unique_ptr<SdlOutput> Open(int rate, std::string& error);
    ~SdlOutput() override;

    int Rate() const override { return rate_; }
    bool Start(RenderBlock render) override;
    void Stop() override;
    std::int64_t FramesHeard() const override;

private:
    explicit SdlOutput(int rate);
    static void Callback(void* self, std::uint8_t* stream, int bytes);

    const int rate_;
    std::uint32_t device_ = 0;    // set once by Open
    int deviceFrames_ = 0;        // one device buffer: about what waits before being heard
    RenderBlock render_;          // set before the device is unpaused, read only by the callback
    std::int64_t nextFrame_ = 0;  // callback thread only
    BlockClock clock_;            // the block last handed to the device
};

}  // namespace audio
