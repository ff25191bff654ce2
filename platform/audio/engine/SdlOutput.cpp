#include "platform/audio/engine/SdlOutput.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <optional>

namespace audio {

namespace {

// Without a sound card ALSA prints a screenful of its own before SDL gives up;
// the engine reports the failure itself, in one line.
void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

std::unique_ptr<SdlOutput> SdlOutput::Open(int rate, std::string& error) {
    snd_lib_error_set_handler(&IgnoreAlsaMessage);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    auto output = std::unique_ptr<SdlOutput>(new SdlOutput(rate));
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = kOutputChannels;
    want.samples = 1024;
    want.callback = &SdlOutput::Callback;
    want.userdata = output.get();
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the device wants.
    output->device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (output->device_ == 0) {
        error = SDL_GetError();
        return nullptr;  // the destructor quits the subsystem
    }
    output->deviceFrames_ = have.samples;
    return output;
}

SdlOutput::SdlOutput(int rate) : rate_(rate), clock_(rate) {}

SdlOutput::~SdlOutput() {
    if (device_ != 0) {
        Stop();
        SDL_CloseAudioDevice(device_);
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlOutput::Start(RenderBlock render) {
    SDL_LockAudioDevice(device_);
    render_ = std::move(render);
    SDL_UnlockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlOutput::Stop() {
    // Taking the device lock waits for a running callback; after pausing, none starts.
    SDL_PauseAudioDevice(device_, 1);
    SDL_LockAudioDevice(device_);
    render_ = nullptr;
    SDL_UnlockAudioDevice(device_);
}

std::int64_t SdlOutput::FramesHeard() const {
    const std::optional<std::int64_t> handedOver = clock_.FrameNow(deviceFrames_);
    if (!handedOver) return 0;
    // The block just handed over plays after the one in the device now.
    return std::max<std::int64_t>(*handedOver - deviceFrames_, 0);
}

void SdlOutput::Callback(void* self, std::uint8_t* stream, int bytes) {
    auto& output = *static_cast<SdlOutput*>(self);
    const int frames = bytes / static_cast<int>(kOutputChannels * sizeof(std::int16_t));
    auto* samples = reinterpret_cast<std::int16_t*>(stream);
    if (!output.render_) {
        std::fill(samples, samples + frames * kOutputChannels, std::int16_t{0});
        return;
    }
    output.render_(samples, frames, output.nextFrame_);
    output.clock_.BlockStarted(output.nextFrame_);
    output.nextFrame_ += frames;
}

}  // namespace audio
