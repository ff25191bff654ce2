// Where mixed audio goes: a device, or the silent stand-in. An output pulls
// blocks of interleaved 16-bit stereo frames at its rate from a render function.
//
// Threads: Start and Stop come from the GUI thread; the render function runs on
// the output's own thread (the device callback or the silent output's timer);
// FramesHeard may be called from any thread.
#pragma once

#include <cstdint>
#include <functional>

namespace audio {

inline constexpr int kOutputChannels = 2;

// Fills frames frames at out; firstFrame numbers the block's first frame on the
// output's timeline (frames handed out before it since Start).
using RenderBlock = std::function<void(std::int16_t* out, int frames, std::int64_t firstFrame)>;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    virtual int Rate() const = 0;
    // Begins pulling; render is called until Stop.
    virtual bool Start(RenderBlock render) = 0;
    // Returns once render is no longer running and will not be called again.
    virtual void Stop() = 0;
    // The frame on the output timeline the listener hears now: frames handed
    // out minus what still waits in the device.
    virtual std::int64_t FramesHeard() const = 0;
};

}  // namespace audio
