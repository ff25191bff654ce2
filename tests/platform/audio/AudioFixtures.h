// Small audio files made by the tests themselves: sine WAVs, MP3s encoded with
// libavcodec's libmp3lame, a one-note MIDI file, and an output that records
// what the engine hands to it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "platform/audio/engine/AudioOutput.h"
#include "platform/audio/engine/SilentOutput.h"

namespace audio::testing {

struct Tone {
    double seconds = 1.0;
    int rate = 44100;
    int channels = 2;
    double frequency = 1000.0;
    double amplitude = 1.0;  // of full scale
};

// A 16-bit PCM WAV file's bytes.
std::string SineWav(const Tone& tone);
// A CBR MP3 of the tone; without the Info header when raw, so copies can be
// concatenated into an endless stream. Empty when the encoder is missing.
std::string SineMp3(const Tone& tone, int bitRate = 128000, bool raw = false);
// One note of the given length at 120 beats a minute.
std::string OneNoteMidi(double seconds);

void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder under the system's temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The silent output, recording the loudest sample of each block and when the
// first sound was handed over.
class RecordingOutput final : public AudioOutput {
public:
    explicit RecordingOutput(int rate) : silent_(rate) {}
    int Rate() const override { return silent_.Rate(); }
    bool Start(RenderBlock render) override;
    void Stop() override { silent_.Stop(); }
    std::int64_t FramesHeard() const override { return silent_.FramesHeard(); }

    // The loudest sample handed over since the last call.
    int TakePeak() { return peak_.exchange(0); }
    // Nanoseconds of the steady clock when the first nonzero sample was handed; 0 before.
    std::int64_t FirstSoundNs() const { return firstSoundNs_.load(); }

private:
    SilentOutput silent_;
    std::atomic<int> peak_{0};
    std::atomic<std::int64_t> firstSoundNs_{0};
};

}  // namespace audio::testing
