#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tests/platform/audio/EngineTesting.h"
#include "tests/platform/audio/LoopbackServers.h"
#include "tests/support/LoopbackPort.h"

namespace audio::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class UrlStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (Mp3().empty()) GTEST_SKIP() << "libmp3lame encoder missing";
    }
    static const std::string& Mp3() {
        static const std::string bytes = SineMp3({.seconds = 2.0});
        return bytes;
    }
    // Bare MP3 frames: copies strung together make an endless stream.
    static const std::string& RawMp3() {
        static const std::string bytes = SineMp3({.seconds = 1.0}, 128000, true);
        return bytes;
    }
    std::unique_ptr<Engine> engine_ = SilentEngine();
};

TEST_F(UrlStreamTest, PlaysAFileOverHttpAndSeeksByByteRange) {
    // 10 s at 320 kbit/s: the decoder reads seconds ahead, so a jump back to
    // 0.5 s lies well outside FFmpeg's read buffer and needs a range request.
    HttpServer server({{"/tone.mp3", {SineMp3({.seconds = 10.0}, 320000)}}});
    const Handle h = engine_->StreamCreateUrl(server.Url("/tone.mp3"));
    ASSERT_NE(0u, h);
    EXPECT_NEAR(10.0, engine_->ChannelBytes2Seconds(h, engine_->ChannelGetLength(h)), 0.3);
    ASSERT_TRUE(engine_->ChannelPlay(h, false));
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Playing; }, 2s));
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelGetPosition(h) > kBytesPerSecond * 3 / 10; }, 2s));

    const int rangesBefore = server.RangeRequests();
    const std::int64_t target = kBytesPerSecond / 2;
    const auto asked = Clock::now();
    ASSERT_TRUE(engine_->ChannelSetPosition(h, target));
    EXPECT_LT(Clock::now() - asked, 50ms) << "the seek is handed to the decode thread";
    EXPECT_NEAR(target, engine_->ChannelGetPosition(h), kBlockBytes);
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelGetPosition(h) > target + kBlockBytes; }, 2s));
    EXPECT_LT(engine_->ChannelGetPosition(h), target + kBytesPerSecond / 2);
    EXPECT_GT(server.RangeRequests(), rangesBefore);
    Sleep(60);
    EXPECT_NEAR(46, SpectrumPeak(*engine_, h).first, 1);
}

TEST_F(UrlStreamTest, AFileOverHttpEnds) {
    HttpServer server({{"/tone.mp3", {SineMp3({.seconds = 0.5})}}});
    const Handle h = engine_->StreamCreateUrl(server.Url("/tone.mp3"));
    ASSERT_NE(0u, h);
    engine_->ChannelPlay(h, false);
    EXPECT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stopped; }, 2s));
}

TEST_F(UrlStreamTest, EndlessStreamPlaysWithoutLengthAndFreesPromptly) {
    HttpServer server({}, RawMp3());
    const Handle h = engine_->StreamCreateUrl(server.Url("/endless"));
    ASSERT_NE(0u, h);
    EXPECT_EQ(-1, engine_->ChannelGetLength(h));
    EXPECT_FALSE(engine_->ChannelSetPosition(h, kBytesPerSecond)) << "no places in an endless stream";
    engine_->ChannelPlay(h, false);
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Playing; }, 2s));
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelGetPosition(h) > kBytesPerSecond * 3 / 10; }, 2s));
    EXPECT_NEAR(46, SpectrumPeak(*engine_, h).first, 1);

    const auto freeing = Clock::now();
    EXPECT_TRUE(engine_->StreamFree(h));
    EXPECT_LT(Clock::now() - freeing, 1s);
}

TEST_F(UrlStreamTest, IcyStreamStallsWhenDataRunsOutAndResumesByItself) {
    RawServer server(RawServer::Mode::Icy, RawMp3(), RawMp3());
    const Handle h = engine_->StreamCreateUrl(server.Url("/radio"));
    ASSERT_NE(0u, h);
    EXPECT_EQ(-1, engine_->ChannelGetLength(h));
    engine_->ChannelPlay(h, false);
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Playing; }, 2s));
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stalled; }, 3s));
    const std::int64_t stalledAt = engine_->ChannelGetPosition(h);
    EXPECT_GT(stalledAt, kBytesPerSecond / 2);

    server.Release();
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Playing; }, 3s));
    EXPECT_TRUE(WaitFor([&] { return engine_->ChannelGetPosition(h) > stalledAt + kBlockBytes; }, 2s));
}

TEST_F(UrlStreamTest, FreeingAStalledStreamInterruptsItsRead) {
    RawServer server(RawServer::Mode::Icy, RawMp3());  // never sends more
    const Handle h = engine_->StreamCreateUrl(server.Url("/radio"));
    ASSERT_NE(0u, h);
    engine_->ChannelPlay(h, false);
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stalled; }, 4s));
    const auto freeing = Clock::now();
    EXPECT_TRUE(engine_->StreamFree(h));
    EXPECT_LT(Clock::now() - freeing, 1s);
}

TEST_F(UrlStreamTest, RefusesEverythingButHttp) {
    TempFolder folder;
    const auto local = folder / "local.wav";
    WriteFile(local, SineWav({.seconds = 1.0}));
    const std::string fileUrl = "file://" + local.string();
    // Remote pages that point back at this machine's files.
    HttpServer server({
        {"/list.m3u8",
         {"#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1.0,\n" + fileUrl + "\n#EXT-X-ENDLIST\n",
          "application/vnd.apple.mpegurl"}},
        {"/list.ffconcat", {"ffconcat version 1.0\nfile '" + fileUrl + "'\n", "text/plain"}},
    });
    const std::string refused[] = {
        fileUrl,
        local.string(),
        "ftp://127.0.0.1/tone.mp3",
        "data:audio/wav;base64,UklGRiQAAABXQVZF",
        "",
        "httpx://127.0.0.1/tone.mp3",
        server.Url("/list.m3u8"),
        server.Url("/list.ffconcat"),
    };
    for (const std::string& url : refused) {
        const auto asked = Clock::now();
        EXPECT_EQ(0u, engine_->StreamCreateUrl(url)) << url;
        EXPECT_LT(Clock::now() - asked, 2s) << url;
    }
}

TEST_F(UrlStreamTest, GivesUpOnAHostThatDoesNotAnswer) {
    RawServer silent(RawServer::Mode::NeverAnswer);
    const std::string closed = "http://127.0.0.1:" + std::to_string(FreeLoopbackPort()) + "/x.mp3";

    for (const std::string& url : {silent.Url("/x.mp3"), closed}) {
        const auto asked = Clock::now();
        EXPECT_EQ(0u, engine_->StreamCreateUrl(url)) << url;
        EXPECT_LT(Clock::now() - asked, 7s) << url << ": the window must not freeze for long";
    }
}

}  // namespace
}  // namespace audio::testing
