#include "platform/audio/engine/MidiTiming.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/audio/AudioFixtures.h"

namespace audio {
namespace {

std::string Header(int tracks, int division) {
    std::string h = "MThd";
    h += std::string("\0\0\0\x06\0\x01", 6);
    h += static_cast<char>(tracks >> 8);
    h += static_cast<char>(tracks & 0xFF);
    h += static_cast<char>(division >> 8);
    h += static_cast<char>(division & 0xFF);
    return h;
}

std::string Track(const std::string& events) {
    std::string t = "MTrk";
    const auto size = static_cast<std::uint32_t>(events.size());
    for (int shift : {24, 16, 8, 0}) t += static_cast<char>((size >> shift) & 0xFF);
    return t + events;
}

TEST(MidiTimingTest, FollowsTempoChangesAcrossTracks) {
    // 480 ticks a quarter: 960 ticks at 120 bpm (1 s), then 480 ticks at 60 bpm (1 s).
    const std::string tempoTrack = Track(std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) +
                                         std::string("\x87\x40\xFF\x51\x03\x0F\x42\x40", 8) +
                                         std::string("\x00\xFF\x2F\x00", 4));
    // Notes with running status; the last event at tick 1440.
    const std::string noteTrack = Track(std::string("\x00\x90\x40\x64", 4) +
                                        std::string("\x8B\x20\x40\x00", 4) +
                                        std::string("\x00\xFF\x2F\x00", 4));
    const auto timing = MidiTiming::Parse(Header(2, 480) + tempoTrack + noteTrack);
    ASSERT_TRUE(timing);
    EXPECT_EQ(1440, timing->TotalTicks());
    EXPECT_DOUBLE_EQ(2.0, timing->SecondsAt(1440));
    EXPECT_DOUBLE_EQ(0.5, timing->SecondsAt(480));
    EXPECT_EQ(1200, timing->TickAt(1.5));
    EXPECT_EQ(480, timing->TickAt(0.5));
}

TEST(MidiTimingTest, OneNoteFixtureLastsItsLength) {
    const auto timing = MidiTiming::Parse(testing::OneNoteMidi(0.5));
    ASSERT_TRUE(timing);
    EXPECT_DOUBLE_EQ(0.5, timing->SecondsAt(timing->TotalTicks()));
}

TEST(MidiTimingTest, RefusesWhatCannotBeWalked) {
    const std::string good = testing::OneNoteMidi(0.5);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not MIDI", "RIFF....WAVEfmt "},
        {"header only half there", good.substr(0, 10)},
        {"track cut inside an event", good.substr(0, good.size() - 6)},
        {"running status with no status", Header(1, 480) + Track(std::string("\x00\x40\x64", 3))},
        {"length that never ends", Header(1, 480) + Track(std::string("\xFF\xFF\xFF\xFF\xFF", 5))},
    };
    for (const auto& c : cases) EXPECT_FALSE(MidiTiming::Parse(c.bytes)) << c.what;
}

}  // namespace
}  // namespace audio
