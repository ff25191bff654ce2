#include "playback/DisplayRefresh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/Controls.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedGui.h"
#include "tests/support/ScriptedWeb.h"

namespace {

using gui::Rgb;

constexpr Rgb kBackground{16, 16, 16};
constexpr Rgb kBar{137, 127, 98};
constexpr Rgb kCap{240, 241, 220};
constexpr Rgb kSeekBackground{25, 25, 25};
constexpr Rgb kTrack{1, 2, 3};
constexpr Rgb kKnob{255, 255, 255};
constexpr double kBytesPerSecond = 1000.0;

Rgb At(const gui::Picture& picture, int x, int y) {
    const gui::Rgba p = picture.At(x, y);
    return {p.r, p.g, p.b};
}

class DisplayRefresh : public ::testing::Test {
protected:
    void SetUp() override {
        gui.CreatePicture(ui::TimeImage, 60, 15);
        gui.CreatePicture(ui::VolumeImage, 117, 16);
        gui.CreatePicture(ui::BarImage, 1, 15);
        gui.CreatePicture(ui::SeekImage, 340, 2);
        gui.CreatePicture(ui::VolumeTrackImage, 117, 16);
        gui.PictureBuffer(ui::VolumeTrackImage).FillRectangle(0, 0, 117, 16, kTrack);
        // The knob: its left column opaque, the rest see-through.
        gui::Picture& knob = gui.PictureBuffer(ui::KnobImage) = gui::Picture(15, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 15; ++x) knob.Set(x, y, x == 0 ? gui::Rgba{255, 255, 255, 255} : gui::Rgba{0, 0, 0, 0});
    }

    // A playing stream at elapsed of total seconds.
    audio::Handle Play(double elapsed, double total) {
        app.stream = audio.StreamCreateUrl("http://stream");
        ScriptedAudio::Stream& s = audio.stream(app.stream);
        s.bytesPerSecond = kBytesPerSecond;
        s.position = static_cast<std::int64_t>(elapsed * kBytesPerSecond);
        s.length = static_cast<std::int64_t>(total * kBytesPerSecond);
        return app.stream;
    }
    std::string TimeShown() { return gui.textsDrawn().back().text; }
    const gui::Picture& Shown(int control) { return gui.control(control).shown; }
    // A bar top to bottom: '.' background, '#' bar, '^' cap.
    std::string BarShown(int bar) {
        std::string column;
        for (int y = 0; y < 15; ++y) {
            const Rgb p = At(Shown(ui::SpectrumBars + bar), 0, y);
            column += p == kBackground ? '.' : p == kBar ? '#' : p == kCap ? '^' : '?';
        }
        return column;
    }
    int SeekFilled() {
        int filled = 0;
        while (filled < 340 && At(Shown(ui::SeekBar), filled, 1) == kBar) ++filled;
        for (int x = filled; x < 340; ++x) EXPECT_EQ(At(Shown(ui::SeekBar), x, 0), kSeekBackground) << x;
        return filled;
    }

    ScriptedGui gui;
    ScriptedAudio audio;
    ScriptedWeb web;
    Platform platform{gui, audio, web};
    AppState app;
};

TEST_F(DisplayRefresh, TimeTextFromTheRoundedPosition) {
    struct Case {
        double elapsed;
        std::string shown;
    };
    const Case cases[] = {
        {0, "0:00"},    {59, "0:59"},    {60, "1:00"},    {605, "10:05"}, {4503, "75:03"},
        {2.5, "0:02"},  {3.5, "0:04"},   {59.6, "1:00"},  {-0.001, "0:-1"},  // the engine's failure value
        {3e9, "-35791394:-8"},  // beyond 32 bits: the out-of-range value
    };
    for (const Case& c : cases) {
        Play(c.elapsed, 5000);
        RefreshDisplay(app, platform);
        EXPECT_EQ(TimeShown(), c.shown) << c.elapsed;
    }
    const ScriptedGui::TextDrawn& drawn = gui.textsDrawn().back();
    EXPECT_EQ(drawn.picture, ui::TimeImage);
    EXPECT_EQ(drawn.font, ui::TimeFont);
    EXPECT_EQ(drawn.x, 0);
    EXPECT_EQ(drawn.y, 0);
    EXPECT_EQ(drawn.colour, (Rgb{127, 127, 127}));
    EXPECT_EQ(drawn.background, kBackground);
    EXPECT_EQ(At(Shown(ui::TimeDisplay), 59, 14), kBackground);
}

TEST_F(DisplayRefresh, SpectrumBarsWithTheirCaps) {
    audio::Handle h = Play(0, 10);
    audio.stream(h).spectrum = {0.01f, 0.1406f, 0.16f, 0.0f, 1.0f, 0.00390625f,
                                std::numeric_limits<float>::quiet_NaN()};
    RefreshDisplay(app, platform);
    EXPECT_EQ(BarShown(0), "...........####");  // 0.1 * 40 = 4, cap 4 / 6 = 0
    EXPECT_EQ(BarShown(1), "^^#############");  // 15, cap 2
    EXPECT_EQ(BarShown(2), "^##############");  // 16: one cap pixel left at the top
    EXPECT_EQ(BarShown(3), "...............");
    EXPECT_EQ(BarShown(4), "###############");  // 40: the cap lies above the picture
    EXPECT_EQ(BarShown(5), ".............##");  // 2.5 rounds to 2
    EXPECT_EQ(BarShown(6), "...............");  // not a number: no bar
    EXPECT_EQ(BarShown(85), "...............");

    audio.stream(h).spectrumFails = true;
    RefreshDisplay(app, platform);
    for (int i = 0; i < ui::SpectrumBarCount; ++i) EXPECT_EQ(BarShown(i), "..............#") << i;
}

TEST_F(DisplayRefresh, SeekBarFillsElapsedOfTotal) {
    struct Case {
        double elapsed, total;
        int filled;
    };
    const Case cases[] = {
        {30, 120, 85}, {200, 120, 340}, {0, 120, 0}, {119.4, 120, 337},
        {5, 0, 0},                 // no length
        {1.5e6, 3e6, 170},  // a length past 31 bits of bytes still has its total
        {7e6, 1.4e7, 170},  // elapsed * 340 past 32 bits
    };
    for (const Case& c : cases) {
        Play(c.elapsed, c.total);
        RefreshDisplay(app, platform);
        EXPECT_EQ(SeekFilled(), c.filled) << c.elapsed << " of " << c.total;
    }
}

TEST_F(DisplayRefresh, TrackLengthKeepsTheLowThirtyTwoBits) {
    struct Case {
        std::int64_t length;
        std::int32_t kept;
    };
    const Case cases[] = {
        {1234567, 1234567}, {-1, -1}, {3000000000, -1294967296}, {5000000000, 705032704}};
    for (const Case& c : cases) {
        app.stream = audio.StreamCreateUrl("http://stream");
        audio.stream(app.stream).length = c.length;
        RefreshDisplay(app, platform);
        EXPECT_EQ(app.trackLengthBytes, c.kept) << c.length;
    }
}

TEST_F(DisplayRefresh, VolumeLinesKnobAndGain) {
    const audio::Handle h = Play(0, 10);
    app.volumeLevel = 101;
    RefreshDisplay(app, platform);
    const gui::Picture& slider = Shown(ui::VolumeSlider);
    EXPECT_EQ(At(slider, 2, 5), kTrack);
    EXPECT_EQ(At(slider, 3, 5), (Rgb{154, 140, 97}));
    EXPECT_EQ(At(slider, 103, 5), (Rgb{154, 140, 97}));  // 101 wide from x 3, under the clear knob
    EXPECT_EQ(At(slider, 104, 5), kTrack);
    EXPECT_EQ(At(slider, 2, 6), (Rgb{136, 123, 82}));
    EXPECT_EQ(At(slider, 102, 8), (Rgb{80, 69, 37}));
    EXPECT_EQ(At(slider, 103, 8), kTrack);
    EXPECT_EQ(At(slider, 50, 9), (Rgb{53, 44, 15}));
    EXPECT_EQ(At(slider, 50, 4), kTrack);
    EXPECT_EQ(At(slider, 101, 0), kKnob);
    EXPECT_EQ(app.volumeGain, 1.0f);
    EXPECT_EQ(audio.stream(h).volume, 1.0f);

    // The next tick starts from the bare track again.
    app.volumeLevel = 0;
    RefreshDisplay(app, platform);
    EXPECT_EQ(At(Shown(ui::VolumeSlider), 0, 7), kKnob);
    EXPECT_EQ(At(Shown(ui::VolumeSlider), 1, 7), kTrack);
    EXPECT_EQ(At(Shown(ui::VolumeSlider), 50, 5), kTrack);
    EXPECT_EQ(At(Shown(ui::VolumeSlider), 101, 0), kTrack);
    EXPECT_EQ(audio.stream(h).volume, 0.0f);
}

TEST_F(DisplayRefresh, WithoutAStreamTheTickStillCompletes) {
    RefreshDisplay(app, platform);
    EXPECT_EQ(TimeShown(), "0:-1");  // the engine's -1 seconds
    EXPECT_EQ(app.trackLengthBytes, -1);
    for (int i = 0; i < ui::SpectrumBarCount; ++i) EXPECT_EQ(BarShown(i), "..............#") << i;
    EXPECT_EQ(SeekFilled(), 0);
    EXPECT_EQ(app.volumeGain, 50 * 0.00990099f);
    EXPECT_NEAR(app.volumeGain, 50.0 / 101.0, 1e-6);
    EXPECT_EQ(audio.log().back().rfind("ChannelSetAttribute 0 2 0.495", 0), 0u) << audio.log().back();
    EXPECT_EQ(At(Shown(ui::VolumeSlider), 52, 5), (Rgb{154, 140, 97}));
}

}  // namespace
