// The audio engine as the program sees it: one operation for each call the
// program makes. Handles are unsigned 32-bit, 0 means none; every call on 0 or
// on a freed handle fails without effect.
//
// Threads: every call comes from the GUI thread. Decoding and output run on
// the engine's own threads; only StreamCreateUrl may wait on the network.
#pragma once

#include <cstdint>
#include <string>

namespace audio {

using Handle = std::uint32_t;

enum Activity : int { Stopped = 0, Playing = 1, Stalled = 2, Paused = 3 };

inline constexpr int kAttributeVolume = 2;
inline constexpr std::uint32_t kDataFft2048 = 0x80000003;  // 1,024 magnitude bins
inline constexpr int kFftBins = 1024;

class AudioEngine {
public:
    virtual ~AudioEngine() = default;

    // Opens the default output at the given rate; without a device, a silent
    // output that consumes audio in real time takes its place.
    virtual bool Init(int device, int frequency) = 0;

    virtual Handle StreamCreateFile(const std::string& path) = 0;  // Windows-1251 path
    virtual Handle StreamCreateUrl(const std::string& url) = 0;    // http:// and https:// only
    virtual bool StreamFree(Handle stream) = 0;

    virtual bool ChannelPlay(Handle stream, bool restart) = 0;
    virtual bool ChannelPause(Handle stream) = 0;
    virtual int ChannelIsActive(Handle stream) = 0;  // an Activity
    virtual bool ChannelSetPosition(Handle stream, std::int64_t bytes) = 0;
    // Byte measures count 16-bit samples at the stream's own rate and channels.
    virtual std::int64_t ChannelGetPosition(Handle stream) = 0;  // as heard now; -1 on failure
    virtual std::int64_t ChannelGetLength(Handle stream) = 0;    // -1 on failure
    virtual double ChannelBytes2Seconds(Handle stream, std::int64_t bytes) = 0;  // -1 on failure
    // With kDataFft2048 fills kFftBins floats; returns -1 on failure.
    virtual std::int32_t ChannelGetData(Handle stream, float* buffer, std::uint32_t flags) = 0;
    virtual bool ChannelSetAttribute(Handle stream, int attribute, float value) = 0;
};

}  // namespace audio
