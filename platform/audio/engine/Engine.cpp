#include "platform/audio/engine/Engine.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "platform/audio/engine/FfmpegDecoder.h"
#include "platform/audio/engine/MidiDecoder.h"
#include "platform/audio/engine/SdlOutput.h"
#include "platform/audio/engine/SilentOutput.h"
#include "platform/text/Cp1251.h"

extern "C" {
#include <libavutil/log.h>
}

namespace audio {

namespace {

constexpr int kDefaultRate = 44100;

void LogFailure(const std::string& what, const std::string& why) {
    std::fprintf(stderr, "audio: %s: %s\n", what.c_str(), why.c_str());
}

bool HasMidiExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".mid" || extension == ".midi";
}

}  // namespace

Engine::Engine(EngineOptions options) : options_(std::move(options)) {
    // Failures are reported by our own one line each.
    av_log_set_level(AV_LOG_QUIET);
}

Engine::~Engine() {
    if (output_) output_->Stop();
    std::lock_guard lock(channelsMutex_);
    channels_.clear();
}

std::unique_ptr<AudioOutput> Engine::OpenOutput(int device, int rate) {
    if (options_.openOutput) return options_.openOutput(device, rate);
    if (options_.forceSilent || device == 0) return std::make_unique<SilentOutput>(rate);
    std::string error;
    if (auto sdl = SdlOutput::Open(rate, error)) return sdl;
    LogFailure("no sound device, playing silently", error);
    return std::make_unique<SilentOutput>(rate);
}

bool Engine::Init(int device, int frequency) {
    if (output_) return false;  // already running
    rate_ = frequency >= 8000 && frequency <= 192000 ? frequency : kDefaultRate;
    output_ = OpenOutput(device, rate_);
    if (!output_) return false;
    rate_ = output_->Rate();
    if (!output_->Start([this](std::int16_t* out, int frames, std::int64_t first) {
            Render(out, frames, first);
        })) {
        output_.reset();
        return false;
    }
    return true;
}

Handle Engine::Add(std::unique_ptr<Decoder> decoder) {
    auto channel = std::make_unique<Channel>(std::move(decoder), rate_);
    std::lock_guard lock(channelsMutex_);
    if (++lastHandle_ == 0) ++lastHandle_;  // 0 means none
    channels_.emplace(lastHandle_, std::move(channel));
    return lastHandle_;
}

Handle Engine::StreamCreateFile(const std::string& path) {
    const std::filesystem::path file = text::PathFromCp1251(path);
    if (!output_) {
        LogFailure("cannot play " + file.string(), "the engine is not initialised");
        return 0;
    }
    std::string error;
    std::unique_ptr<Decoder> decoder;
    if (HasMidiExtension(file) || LooksLikeMidi(file))
        decoder = MidiDecoder::Open(file, FindSoundFont(options_.soundFontFolders), rate_, error);
    else
        decoder = FfmpegDecoder::OpenFile(file, rate_, error);
    if (!decoder) {
        LogFailure("cannot play " + file.string(), error);
        return 0;
    }
    return Add(std::move(decoder));
}

Handle Engine::StreamCreateUrl(const std::string& url) {
    if (!output_) {
        LogFailure("cannot play " + url, "the engine is not initialised");
        return 0;
    }
    std::string error;
    auto decoder = FfmpegDecoder::OpenUrl(url, rate_, options_.networkTimeout, error);
    if (!decoder) {
        LogFailure("cannot play " + url, error);
        return 0;
    }
    return Add(std::move(decoder));
}

bool Engine::StreamFree(Handle stream) {
    std::unique_ptr<Channel> channel;
    {
        std::lock_guard lock(channelsMutex_);
        auto found = channels_.find(stream);
        if (found == channels_.end()) return false;
        channel = std::move(found->second);
        channels_.erase(found);
    }
    return true;  // the channel's decode thread is joined here, outside the lock
}

std::int64_t Engine::Heard() const { return output_ ? output_->FramesHeard() : 0; }

template <typename Result, typename Call>
Result Engine::WithChannel(Handle stream, Result fallback, Call call) {
    std::lock_guard lock(channelsMutex_);
    auto found = channels_.find(stream);
    return found == channels_.end() ? fallback : call(*found->second);
}

bool Engine::ChannelPlay(Handle stream, bool restart) {
    const std::int64_t heard = Heard();
    return WithChannel(stream, false, [&](Channel& c) { return c.Play(restart, heard); });
}

bool Engine::ChannelPause(Handle stream) {
    const std::int64_t heard = Heard();
    return WithChannel(stream, false, [&](Channel& c) { return c.Pause(heard); });
}

int Engine::ChannelIsActive(Handle stream) {
    const std::int64_t heard = Heard();
    return WithChannel(stream, 0, [&](Channel& c) { return c.Activity(heard); });
}

bool Engine::ChannelSetPosition(Handle stream, std::int64_t bytes) {
    return WithChannel(stream, false, [&](Channel& c) { return c.SetPosition(bytes); });
}

std::int64_t Engine::ChannelGetPosition(Handle stream) {
    const std::int64_t heard = Heard();
    return WithChannel(stream, std::int64_t{-1}, [&](Channel& c) { return c.Position(heard); });
}

std::int64_t Engine::ChannelGetLength(Handle stream) {
    return WithChannel(stream, std::int64_t{-1}, [](Channel& c) { return c.Length(); });
}

double Engine::ChannelBytes2Seconds(Handle stream, std::int64_t bytes) {
    return WithChannel(stream, -1.0, [&](Channel& c) { return c.BytesToSeconds(bytes); });
}

std::int32_t Engine::ChannelGetData(Handle stream, float* buffer, std::uint32_t flags) {
    if (buffer == nullptr || flags != kDataFft2048) return -1;
    const std::int64_t heard = Heard();
    const bool found = WithChannel(stream, false, [&](Channel& c) {
        c.HeardWindow(heard, window_.data());
        return true;
    });
    if (!found) return -1;
    spectrum_.Compute(window_.data(), buffer);
    return static_cast<std::int32_t>(kFftBins * sizeof(float));
}

bool Engine::ChannelSetAttribute(Handle stream, int attribute, float value) {
    if (attribute != kAttributeVolume) return false;
    return WithChannel(stream, false, [&](Channel& c) { return c.SetVolume(value); });
}

void Engine::Render(std::int16_t* out, int frames, std::int64_t firstFrame) {
    mix_.assign(static_cast<std::size_t>(frames) * kOutputChannels, 0.0f);
    {
        std::lock_guard lock(channelsMutex_);
        for (auto& [handle, channel] : channels_) channel->MixInto(mix_.data(), frames, firstFrame);
    }
    for (std::size_t i = 0; i < mix_.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::lrint(std::clamp(mix_[i], -32768.0f, 32767.0f)));
}

}  // namespace audio
