// MIDI files rendered by FluidSynth with a General MIDI soundfont, straight
// at the output rate in stereo, so source frames are output frames.
//
// Threads: as for every Decoder; nothing here blocks, so Interrupt has nothing to do.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/engine/Decoder.h"
#include "platform/audio/engine/MidiTiming.h"

extern "C" {
#include <fluidsynth.h>
}

namespace audio {

// The soundfont to use: default-GM.sf2 in the first folder that has one, else
// the first .sf2 file found; empty when there is none.
std::filesystem::path FindSoundFont(const std::vector<std::filesystem::path>& folders);

// True when the file starts like a Standard MIDI File.
bool LooksLikeMidi(const std::filesystem::path& path);

class MidiDecoder final : public Decoder {
public:
    static std::unique_ptr<Decoder> Open(const std::filesystem::path& path,
                                         const std::filesystem::path& soundFont, int outputRate,
                                         std::string& error);
    ~MidiDecoder() override;

    SourceFormat Format() const override { return {outputRate_, 2}; }
    bool IsNetworkStream() const override { return false; }
    std::int64_t LengthFrames() const override { return lengthFrames_; }
    DecodeResult Read(PcmChunk& chunk) override;
    bool Seek(std::int64_t sourceFrame) override;
    void Interrupt() override {}

private:
    MidiDecoder(MidiTiming timing, int outputRate);

    MidiTiming timing_;
    const int outputRate_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    std::int64_t lengthFrames_ = -1;
    std::int64_t nextFrame_ = 0;
    std::int64_t tailLeft_ = -1;  // frames of release still to play once the last tick passed
};

}  // namespace audio
