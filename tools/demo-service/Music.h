// Short pieces made from a few numbers: a key, a tempo, a chord progression
// and a seed for the tune. Each has a soft lead with a few harmonics, a pad on
// the chords, a plucked bass and a light echo.
#pragma once

#include <atomic>
#include <vector>

namespace demo {

inline constexpr int kSampleRate = 44100;

struct PieceSpec {
    int rootNote = 60;       // MIDI number of the key's tonic
    bool minor = false;
    double beatsPerMinute = 96;
    int seconds = 60;
    unsigned seed = 1;
    std::vector<int> progression = {0, 5, 3, 4};  // scale degrees, one chord per bar
    int leadBrightness = 2;  // 0 mellow to 3 bright
    bool softKick = false;
};

// Mono samples in -1..1 at kSampleRate, faded in and out; empty when
// cancelled (checked once a bar).
std::vector<float> RenderPiece(const PieceSpec& spec, const std::atomic<bool>* cancel = nullptr);

}  // namespace demo
