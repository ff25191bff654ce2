#include "platform/audio/CreateAudioEngine.h"

#include <cstdlib>
#include <string_view>

#include "platform/audio/engine/Engine.h"

namespace audio {

std::unique_ptr<AudioEngine> CreateAudioEngine() {
    EngineOptions options;
    const char* output = std::getenv("MELOVIA_AUDIO_OUTPUT");
    options.forceSilent = output != nullptr && std::string_view(output) == "silent";
    return std::make_unique<Engine>(std::move(options));
}

}  // namespace audio
