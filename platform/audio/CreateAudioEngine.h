// The audio engine the program uses, on FFmpeg, SDL2 and FluidSynth.
//
// Init(0, rate) or the environment variable MELOVIA_AUDIO_OUTPUT=silent picks
// the silent output even when a device exists, so tests never make a sound.
#pragma once

#include <memory>

#include "platform/audio/AudioEngine.h"

namespace audio {

std::unique_ptr<AudioEngine> CreateAudioEngine();

}  // namespace audio
