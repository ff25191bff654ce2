// The timing of a Standard MIDI File: its tempo map and its last tick, so the
// length is known before playing and a time maps to the tick to seek to.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace audio {

class MidiTiming {
public:
    // Nullopt when the bytes are not a MIDI file whose tracks can be walked.
    static std::optional<MidiTiming> Parse(std::string_view file);

    std::int64_t TotalTicks() const { return totalTicks_; }
    double SecondsAt(std::int64_t tick) const;
    std::int64_t TickAt(double seconds) const;

private:
    struct TempoChange {
        std::int64_t tick;
        double secondsPerTick;
    };
    std::vector<TempoChange> tempo_;  // by tick, the first at tick 0
    std::int64_t totalTicks_ = 0;
};

}  // namespace audio
