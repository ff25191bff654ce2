#include "platform/audio/engine/Channel.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/audio/EngineTesting.h"

namespace audio::testing {
namespace {

using namespace std::chrono_literals;

// Endless steady samples of one value, at the output's own rate.
class SteadyDecoder final : public Decoder {
public:
    SourceFormat Format() const override { return {44100, 2}; }
    bool IsNetworkStream() const override { return false; }
    std::int64_t LengthFrames() const override { return -1; }
    DecodeResult Read(PcmChunk& chunk) override {
        chunk.sourceFrame = next_;
        chunk.samples.assign(2 * 512, 16000);
        next_ += 512;
        return DecodeResult::Data;
    }
    bool Seek(std::int64_t frame) override {
        next_ = frame;
        return true;
    }
    void Interrupt() override {}

private:
    std::int64_t next_ = 0;
};

// Mixes one whole block once the decode thread has queued it, so a slow
// decode thread never leaves the block half mixed.
std::vector<float> MixBlock(Channel& channel, std::int64_t first, int frames = 1024) {
    std::vector<float> mix(2 * frames, 0.0f);
    WaitFor([&] { return channel.QueuedFrames() >= frames; }, 1s);
    channel.MixInto(mix.data(), frames, first);
    return mix;
}

TEST(ChannelTest, VolumeGlidesAcrossTheNextBlock) {
    Channel channel(std::make_unique<SteadyDecoder>(), 44100);
    channel.Play(false, 0);
    EXPECT_EQ(16000.0f, MixBlock(channel, 0)[0]) << "full volume at first";

    channel.SetVolume(0.0f);
    const std::vector<float> glide = MixBlock(channel, 1024);
    for (int i = 1; i < 1024; ++i) ASSERT_LT(glide[2 * i], glide[2 * (i - 1)]) << "step at " << i;
    EXPECT_NEAR(16000.0f * 1023 / 1024, glide[0], 1.0f) << "no jump at the start";
    EXPECT_EQ(0.0f, glide[2 * 1023]) << "silent by the block's end";

    const std::vector<float> after = MixBlock(channel, 2048);
    EXPECT_EQ(0.0f, *std::max_element(after.begin(), after.end()));
    EXPECT_EQ(3 * 1024 * 4, channel.Position(3 * 1024)) << "silence still counts as played";
}

}  // namespace
}  // namespace audio::testing
