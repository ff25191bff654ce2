// An in-memory audio engine for tests: streams open when the script says so,
// report the positions, lengths and spectrum the test sets, and every call is
// logged in order ("StreamCreateUrl http://...", "ChannelPlay 1", ...).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/audio/AudioEngine.h"

class ScriptedAudio : public audio::AudioEngine {
public:
    struct Stream {
        std::string source;
        int activity = audio::Stopped;
        std::int64_t position = 0;
        std::int64_t length = -1;
        double bytesPerSecond = 176400.0;  // 44.1 kHz, stereo, 16-bit
        float volume = 1.0f;
        std::vector<float> spectrum;  // bins handed out by ChannelGetData
        bool spectrumFails = false;
    };

    // Which sources open; by default every non-empty one.
    void SetOpens(std::function<bool(const std::string&)> opens) { opens_ = std::move(opens); }

    const std::vector<std::string>& log() const { return log_; }
    void ClearLog() { log_.clear(); }
    bool exists(audio::Handle h) const { return streams_.count(h) != 0; }
    Stream& stream(audio::Handle h) { return streams_.at(h); }
    audio::Handle lastCreated() const { return nextHandle_ - 1; }
    int activeQueries() const { return activeQueries_; }

    bool Init(int device, int frequency) override;
    audio::Handle StreamCreateFile(const std::string& path) override;
    audio::Handle StreamCreateUrl(const std::string& url) override;
    bool StreamFree(audio::Handle stream) override;
    bool ChannelPlay(audio::Handle stream, bool restart) override;
    bool ChannelPause(audio::Handle stream) override;
    int ChannelIsActive(audio::Handle stream) override;
    bool ChannelSetPosition(audio::Handle stream, std::int64_t bytes) override;
    std::int64_t ChannelGetPosition(audio::Handle stream) override;
    std::int64_t ChannelGetLength(audio::Handle stream) override;
    double ChannelBytes2Seconds(audio::Handle stream, std::int64_t bytes) override;
    std::int32_t ChannelGetData(audio::Handle stream, float* buffer, std::uint32_t flags) override;
    bool ChannelSetAttribute(audio::Handle stream, int attribute, float value) override;

private:
    audio::Handle Create(const std::string& call, const std::string& source);
    Stream* Find(audio::Handle h);
    void Log(const std::string& call, audio::Handle h, const std::string& more = {});

    std::function<bool(const std::string&)> opens_ = [](const std::string& s) { return !s.empty(); };
    std::map<audio::Handle, Stream> streams_;
    audio::Handle nextHandle_ = 1;
    std::vector<std::string> log_;
    int activeQueries_ = 0;
};
