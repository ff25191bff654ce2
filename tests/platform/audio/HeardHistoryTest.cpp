#include "platform/audio/engine/HeardHistory.h"

#include <gtest/gtest.h>

#include <vector>

namespace audio {
namespace {

TEST(HeardHistoryTest, PositionFollowsTheHeardFrameAndHoldsInGaps) {
    HeardHistory history(0.5);  // a 22,050 Hz source on a 44,100 Hz output
    const std::vector<float> block(1024, 0.0f);
    history.Reset(100);
    EXPECT_DOUBLE_EQ(100, history.Position(0));
    history.AddBlock(1000, 1024, 100, block.data());
    history.AddBlock(2024, 1024, 612, block.data());
    // A pause: the next block comes much later on the output timeline.
    history.AddBlock(9000, 1024, 1124, block.data());

    EXPECT_DOUBLE_EQ(100, history.Position(500));    // not heard yet
    EXPECT_DOUBLE_EQ(150, history.Position(1100));   // inside the first block
    EXPECT_DOUBLE_EQ(1124, history.Position(5000));  // paused: holds the end handed over
    EXPECT_DOUBLE_EQ(1636, history.Position(99999));
    EXPECT_EQ(10024, history.HandedEnd());
}

TEST(HeardHistoryTest, WindowEndsAtWhatIsHeard) {
    HeardHistory history(1.0);
    std::vector<float> ramp(1024);
    for (int block = 0; block < 3; ++block) {
        for (int i = 0; i < 1024; ++i) ramp[i] = static_cast<float>(block * 1024 + i);
        history.AddBlock(block * 1024, 1024, block * 1024, ramp.data());
    }
    std::vector<float> window(HeardHistory::kWindow);
    history.Window(2048, window.data());  // the third block is handed but not heard
    EXPECT_EQ(0.0f, window.front());
    EXPECT_EQ(2047.0f, window.back());

    history.Window(1000, window.data());  // less than a window heard: zeros before it
    EXPECT_EQ(0.0f, window[HeardHistory::kWindow - 1001]);
    EXPECT_EQ(999.0f, window.back());
}

}  // namespace
}  // namespace audio
