// The AudioEngine on FFmpeg, SDL2 and FluidSynth: a table of channels by
// handle, one output, and the mixer that feeds it.
//
// Threads:
// - GUI thread: every AudioEngine call. StreamCreateUrl alone may wait on the
//   network (bounded by EngineOptions::networkTimeout), outside any lock.
// - Output thread: Render, which holds channelsMutex_ while it mixes. GUI calls
//   hold it only for short, non-blocking channel calls; StreamFree takes the
//   channel out under the lock and joins its decode thread after releasing it.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio/AudioEngine.h"
#include "platform/audio/engine/AudioOutput.h"
#include "platform/audio/engine/Channel.h"
#include "platform/audio/engine/Spectrum.h"

namespace audio {

// The output Init opens: device -1 is the default device, 0 means silent.
using OutputFactory = std::function<std::unique_ptr<AudioOutput>(int device, int rate)>;

struct EngineOptions {
    std::chrono::milliseconds networkTimeout{5000};
    std::vector<std::filesystem::path> soundFontFolders{"/usr/share/sounds/sf2",
                                                        "/usr/share/soundfonts"};
    bool forceSilent = false;  // every Init opens the silent output
    OutputFactory openOutput;  // when empty: SDL, falling back to the silent output
};

class Engine final : public AudioEngine {
public:
    explicit Engine(EngineOptions options);
    ~Engine() override;

    bool Init(int device, int frequency) override;
    Handle StreamCreateFile(const std::string& path) override;
    Handle StreamCreateUrl(const std::string& url) override;
    bool StreamFree(Handle stream) override;
    bool ChannelPlay(Handle stream, bool restart) override;
    bool ChannelPause(Handle stream) override;
    int ChannelIsActive(Handle stream) override;
    bool ChannelSetPosition(Handle stream, std::int64_t bytes) override;
    std::int64_t ChannelGetPosition(Handle stream) override;
    std::int64_t ChannelGetLength(Handle stream) override;
    double ChannelBytes2Seconds(Handle stream, std::int64_t bytes) override;
    std::int32_t ChannelGetData(Handle stream, float* buffer, std::uint32_t flags) override;
    bool ChannelSetAttribute(Handle stream, int attribute, float value) override;

private:
    std::unique_ptr<AudioOutput> OpenOutput(int device, int rate);
    Handle Add(std::unique_ptr<Decoder> decoder);
    // Runs call on the channel under the table lock; fallback when there is none.
    template <typename Result, typename Call>
    Result WithChannel(Handle stream, Result fallback, Call call);
    std::int64_t Heard() const;
    void Render(std::int16_t* out, int frames, std::int64_t firstFrame);

    EngineOptions options_;
    int rate_ = 0;

    std::mutex channelsMutex_;
    std::map<Handle, std::unique_ptr<Channel>> channels_;  // guarded by channelsMutex_
    Handle lastHandle_ = 0;  // GUI thread only

    std::vector<float> mix_;  // output thread only
    Spectrum spectrum_;       // GUI thread only
    std::vector<float> window_ = std::vector<float>(HeardHistory::kWindow);  // GUI thread only

    std::unique_ptr<AudioOutput> output_;  // last: stopped first, before channels go
};

}  // namespace audio
