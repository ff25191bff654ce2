#include <gtest/gtest.h>

#include <random>

#include "platform/audio/CreateAudioEngine.h"
#include "platform/audio/engine/MidiDecoder.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/audio/EngineTesting.h"

namespace audio::testing {
namespace {

using text::operator""_cp1251;
using namespace std::chrono_literals;

class FileStreamTest : public ::testing::Test {
protected:
    // The path as the program holds it (Windows-1251; these names are ASCII).
    std::string Write(const std::string& name, const std::string& bytes) {
        WriteFile(folder_ / name, bytes);
        return (folder_ / name).string();
    }
    Handle Open(const std::string& name, const std::string& bytes) {
        return engine_->StreamCreateFile(Write(name, bytes));
    }

    TempFolder folder_;
    RecordingOutput* output_ = nullptr;
    std::unique_ptr<Engine> engine_ = SilentEngine(&output_);
};

TEST_F(FileStreamTest, EveryCallOnNoneOrAFreedHandleFailsWithoutEffect) {
    auto engine = CreateAudioEngine();
    const std::string path = Write("tone.wav", SineWav({.seconds = 0.2}));
    EXPECT_EQ(0u, engine->StreamCreateFile(path)) << "before Init";
    ASSERT_TRUE(engine->Init(0, 44100));
    const Handle freed = engine->StreamCreateFile(path);
    ASSERT_NE(0u, freed);
    EXPECT_TRUE(engine->StreamFree(freed));
    const Handle other = engine->StreamCreateFile(path);
    ASSERT_NE(0u, other);
    EXPECT_NE(freed, other) << "handles are not reused";

    for (const Handle h : {Handle{0}, freed, Handle{4242}}) {
        std::vector<float> bins(kFftBins, 7.0f);
        EXPECT_FALSE(engine->ChannelPlay(h, false)) << h;
        EXPECT_FALSE(engine->ChannelPause(h)) << h;
        EXPECT_EQ(0, engine->ChannelIsActive(h)) << h;
        EXPECT_FALSE(engine->ChannelSetPosition(h, 0)) << h;
        EXPECT_EQ(-1, engine->ChannelGetPosition(h)) << h;
        EXPECT_EQ(-1, engine->ChannelGetLength(h)) << h;
        EXPECT_EQ(-1.0, engine->ChannelBytes2Seconds(h, kBytesPerSecond)) << h;
        EXPECT_EQ(-1, engine->ChannelGetData(h, bins.data(), kDataFft2048)) << h;
        EXPECT_EQ(7.0f, bins[0]) << h;
        EXPECT_FALSE(engine->ChannelSetAttribute(h, kAttributeVolume, 0.5f)) << h;
        EXPECT_FALSE(engine->StreamFree(h)) << h;
    }
    EXPECT_EQ(kBytesPerSecond / 5, engine->ChannelGetLength(other)) << "the live stream is untouched";
}

TEST_F(FileStreamTest, MeasuresBytesAtTheStreamsOwnRateAndChannels) {
    const struct {
        int rate;
        int channels;
        double seconds;
        std::int64_t bytes;
    } cases[] = {
        {44100, 2, 1.0, 176400},
        {22050, 1, 1.0, 44100},
        {48000, 2, 0.5, 96000},
        {8000, 1, 0.25, 4000},
    };
    for (const auto& c : cases) {
        const Handle h = Open("tone.wav", SineWav({.seconds = c.seconds, .rate = c.rate, .channels = c.channels}));
        ASSERT_NE(0u, h) << c.rate;
        EXPECT_EQ(c.bytes, engine_->ChannelGetLength(h)) << c.rate << "/" << c.channels;
        EXPECT_DOUBLE_EQ(c.seconds, engine_->ChannelBytes2Seconds(h, c.bytes)) << c.rate;
        EXPECT_EQ(0, engine_->ChannelGetPosition(h));
        engine_->StreamFree(h);
    }
}

TEST_F(FileStreamTest, PlaysInRealTimeAndReadsStoppedAtTheEnd) {
    const Handle h = Open("tone.wav", SineWav({.seconds = 0.5}));
    ASSERT_NE(0u, h);
    EXPECT_EQ(Stopped, engine_->ChannelIsActive(h)) << "not started yet";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(engine_->ChannelPlay(h, false));
    EXPECT_EQ(Playing, engine_->ChannelIsActive(h));

    Sleep(200);
    const double heard = engine_->ChannelBytes2Seconds(h, engine_->ChannelGetPosition(h));
    EXPECT_GT(heard, 0.1);
    EXPECT_LT(heard, 0.3) << "the position is what is heard, not what is decoded";

    // The program's auto-advance looks every 55 ms: the end must show promptly.
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stopped; }, 2s));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GT(took, 450ms);
    EXPECT_LT(took, 500ms + 55ms + 60ms);
    EXPECT_EQ(engine_->ChannelGetLength(h), engine_->ChannelGetPosition(h));
}

TEST_F(FileStreamTest, PauseHoldsThePositionAndPlayResumesWithoutRestarting) {
    const Handle h = Open("tone.wav", SineWav({.seconds = 2.0}));
    ASSERT_NE(0u, h);
    EXPECT_FALSE(engine_->ChannelPause(h)) << "nothing plays yet";
    engine_->ChannelPlay(h, false);
    Sleep(200);
    ASSERT_TRUE(engine_->ChannelPause(h));
    EXPECT_EQ(Paused, engine_->ChannelIsActive(h));
    Sleep(30);  // what was handed over before the pause is heard out
    const std::int64_t paused = engine_->ChannelGetPosition(h);
    Sleep(200);
    EXPECT_EQ(paused, engine_->ChannelGetPosition(h));

    ASSERT_TRUE(engine_->ChannelPlay(h, false));
    EXPECT_EQ(Playing, engine_->ChannelIsActive(h));
    Sleep(200);
    const std::int64_t resumed = engine_->ChannelGetPosition(h);
    EXPECT_GT(resumed, paused + kBytesPerSecond / 10);
    EXPECT_TRUE(engine_->ChannelPlay(h, false)) << "a playing stream plays on";
    EXPECT_GE(engine_->ChannelGetPosition(h), resumed);

    ASSERT_TRUE(engine_->ChannelPlay(h, true));
    EXPECT_LT(engine_->ChannelGetPosition(h), kBlockBytes) << "restart goes back to the start";
}

TEST_F(FileStreamTest, AStreamThatEndedPlaysAgainFromTheStart) {
    const Handle h = Open("tone.wav", SineWav({.seconds = 0.2}));
    engine_->ChannelPlay(h, false);
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stopped; }, 2s));
    EXPECT_FALSE(engine_->ChannelPause(h));
    ASSERT_TRUE(engine_->ChannelPlay(h, false));
    EXPECT_EQ(Playing, engine_->ChannelIsActive(h));
    EXPECT_LT(engine_->ChannelGetPosition(h), kBlockBytes);
    EXPECT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stopped; }, 2s));
}

TEST_F(FileStreamTest, SeeksWithinOneBlock) {
    const std::string mp3 = SineMp3({.seconds = 2.0});
    ASSERT_FALSE(mp3.empty()) << "libmp3lame encoder missing";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"tone.wav", SineWav({.seconds = 2.0})}, {"tone.mp3", mp3}};
    for (const auto& c : cases) {
        const Handle h = Open(c.name, c.bytes);
        ASSERT_NE(0u, h) << c.name;
        const std::int64_t length = engine_->ChannelGetLength(h);
        // Until decoded to the end, an MP3's length counts the encoder's padding.
        EXPECT_NEAR(2.0, engine_->ChannelBytes2Seconds(h, length), 0.05) << c.name;
        engine_->ChannelPlay(h, false);
        Sleep(100);

        const std::int64_t target = kBytesPerSecond * 5 / 4;
        ASSERT_TRUE(engine_->ChannelSetPosition(h, target)) << c.name;
        EXPECT_NEAR(target, engine_->ChannelGetPosition(h), kBlockBytes) << c.name;
        Sleep(150);
        const std::int64_t later = engine_->ChannelGetPosition(h);
        EXPECT_GE(later, target) << c.name;
        EXPECT_LT(later, target + kBytesPerSecond * 3 / 10) << c.name;
        EXPECT_EQ(Playing, engine_->ChannelIsActive(h)) << c.name;
        const auto [bin, value] = SpectrumPeak(*engine_, h);
        EXPECT_NEAR(46, bin, 1) << c.name << ": the tone plays on after the jump";

        ASSERT_TRUE(engine_->ChannelSetPosition(h, 0)) << c.name << ": back to the start";
        EXPECT_LT(engine_->ChannelGetPosition(h), kBlockBytes) << c.name;
        EXPECT_FALSE(engine_->ChannelSetPosition(h, -4)) << c.name;
        EXPECT_FALSE(engine_->ChannelSetPosition(h, length + kBlockBytes)) << c.name;
        engine_->StreamFree(h);
    }
}

TEST_F(FileStreamTest, SpectrumShowsTheToneHeardAndIgnoresTheVolume) {
    const Handle h = Open("tone.wav", SineWav({.seconds = 2.0}));
    ASSERT_NE(0u, h);
    std::vector<float> bins(kFftBins + 1, 3.0f);
    EXPECT_NE(-1, engine_->ChannelGetData(h, bins.data(), kDataFft2048)) << "nothing heard yet";
    EXPECT_EQ(0.0f, *std::max_element(bins.begin(), bins.begin() + kFftBins));
    EXPECT_EQ(3.0f, bins[kFftBins]) << "exactly 1,024 bins are written";
    EXPECT_EQ(-1, engine_->ChannelGetData(h, bins.data(), 0x80000002)) << "only the 2,048-point FFT";

    engine_->ChannelPlay(h, false);
    Sleep(150);
    const auto loud = SpectrumPeak(*engine_, h);
    EXPECT_NEAR(46, loud.first, 1) << "1 kHz at 44.1 kHz in 2,048 points is bin 46.4";
    EXPECT_GT(loud.second, 0.35f);
    EXPECT_LT(loud.second, 0.55f);
    output_->TakePeak();
    Sleep(60);
    EXPECT_GT(output_->TakePeak(), 32000);

    ASSERT_TRUE(engine_->ChannelSetAttribute(h, kAttributeVolume, 0.25f));
    Sleep(150);
    output_->TakePeak();
    Sleep(60);
    EXPECT_NEAR(0.25 * 32767, output_->TakePeak(), 300) << "the volume reaches the output";
    const auto quiet = SpectrumPeak(*engine_, h);
    EXPECT_EQ(loud.first, quiet.first);
    EXPECT_NEAR(loud.second, quiet.second, 0.02f) << "but not the spectrum";

    EXPECT_FALSE(engine_->ChannelSetAttribute(h, 1, 0.5f)) << "only the volume is an attribute";
    EXPECT_FALSE(engine_->ChannelSetAttribute(h, kAttributeVolume, std::nanf("")));
}

TEST_F(FileStreamTest, DamagedFilesFailOrPlayWhatTheyHave) {
    std::mt19937 random(7);
    std::string garbage(8000, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    const std::string wav = SineWav({.seconds = 2.0});
    const std::string mp3 = SineMp3({.seconds = 1.0});
    const struct {
        const char* name;
        std::string bytes;
        bool opens;
        std::int64_t lengthAfterEnd;  // -1: only "no longer than before"
    } cases[] = {
        {"garbage.wav", garbage, false, 0},
        {"garbage.mp3", garbage, false, 0},
        {"empty.wav", "", false, 0},
        {"header-only.wav", wav.substr(0, 44), false, 0},
        {"truncated.wav", wav.substr(0, 44 + kBytesPerSecond * 3 / 10), true, kBytesPerSecond * 3 / 10},
        {"truncated.mp3", mp3.substr(0, mp3.size() / 2), true, -1},
    };
    for (const auto& c : cases) {
        const Handle h = Open(c.name, c.bytes);
        if (!c.opens) {
            // A header with no audio may open as an empty stream; it must then end at once.
            if (h != 0) {
                engine_->ChannelPlay(h, false);
                EXPECT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stopped; }, 500ms))
                    << c.name;
                engine_->StreamFree(h);
            }
            continue;
        }
        ASSERT_NE(0u, h) << c.name;
        const std::int64_t announced = engine_->ChannelGetLength(h);
        engine_->ChannelPlay(h, false);
        ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stopped; }, 2s)) << c.name;
        if (c.lengthAfterEnd >= 0)
            EXPECT_EQ(c.lengthAfterEnd, engine_->ChannelGetLength(h)) << c.name << ": exact once decoded";
        else
            EXPECT_LE(engine_->ChannelGetLength(h), announced) << c.name;
        engine_->StreamFree(h);
    }
    EXPECT_EQ(0u, engine_->StreamCreateFile((folder_ / "missing.wav").string()));
}

TEST_F(FileStreamTest, OpensWindows1251FileNames) {
    const std::string name = "Песня №1.wav"_cp1251;
    WriteFile(text::PathFromCp1251((folder_.path().string() + "/") + name), SineWav({.seconds = 0.2}));
    EXPECT_NE(0u, engine_->StreamCreateFile(folder_.path().string() + "/" + name));
}

TEST_F(FileStreamTest, MidiPlaysThroughTheSoundFont) {
    if (FindSoundFont(EngineOptions{}.soundFontFolders).empty()) GTEST_SKIP() << "no soundfont";
    const Handle h = Open("note.mid", OneNoteMidi(0.5));
    ASSERT_NE(0u, h);
    // Known before playing: the note and a fifth of a second of its release.
    EXPECT_NEAR(kBytesPerSecond * 7 / 10, engine_->ChannelGetLength(h), kBlockBytes);
    engine_->ChannelPlay(h, false);
    Sleep(250);
    EXPECT_GT(SpectrumPeak(*engine_, h).second, 0.001f) << "the note sounds";
    ASSERT_TRUE(WaitFor([&] { return engine_->ChannelIsActive(h) == Stopped; }, 2s));
    EXPECT_EQ(engine_->ChannelGetLength(h), engine_->ChannelGetPosition(h));

    EXPECT_EQ(0u, Open("broken.mid", OneNoteMidi(0.5).substr(0, 20)));
}

TEST(MidiWithoutSoundFontTest, CreationFails) {
    TempFolder folder;
    EngineOptions options;
    options.soundFontFolders = {folder.path()};
    auto engine = SilentEngine(nullptr, options);
    WriteFile(folder / "note.mid", OneNoteMidi(0.5));
    EXPECT_EQ(0u, engine->StreamCreateFile((folder / "note.mid").string()));
}

}  // namespace
}  // namespace audio::testing
