#include "playback/DisplayRefresh.h"

#include <array>

#include "app/Controls.h"
#include "playback/DisplayValues.h"

namespace {

constexpr gui::Rgb kBackground{16, 16, 16};
constexpr gui::Rgb kTimeColour{127, 127, 127};
constexpr gui::Rgb kBarColour{137, 127, 98};
constexpr gui::Rgb kCapColour{240, 241, 220};
constexpr gui::Rgb kSeekBackground{25, 25, 25};
constexpr float kGainPerLevel = 0.00990099f;  // 1/101: level 101 is full volume
constexpr int kBarHeight = 15;
constexpr int kSeekWidth = 340;

struct VolumeLine {
    int y, x;
    gui::Rgb colour;
};
constexpr VolumeLine kVolumeLines[] = {
    {5, 3, {154, 140, 97}}, {6, 2, {136, 123, 82}}, {7, 2, {109, 97, 61}},
    {8, 2, {80, 69, 37}},   {9, 3, {53, 44, 15}},
};

void DrawTime(gui::Gui& gui, std::int32_t elapsed) {
    gui.PictureBuffer(ui::TimeImage).FillRectangle(0, 0, 60, 15, kBackground);
    gui.DrawText(ui::TimeImage, ui::TimeFont, 0, 0, TimeText(elapsed), kTimeColour, kBackground);
    gui.SetControlPicture(ui::TimeDisplay, ui::TimeImage);
}

void DrawVolume(gui::Gui& gui, std::int32_t level) {
    gui::Picture& slider = gui.PictureBuffer(ui::VolumeImage);
    slider.DrawPicture(gui.PictureBuffer(ui::VolumeTrackImage), 0, 0);
    for (const VolumeLine& line : kVolumeLines) slider.FillRectangle(line.x, line.y, level, 1, line.colour);
    slider.DrawPicture(gui.PictureBuffer(ui::KnobImage), level, 0);
    gui.SetControlPicture(ui::VolumeSlider, ui::VolumeImage);
}

void DrawSpectrum(gui::Gui& gui, audio::AudioEngine& audio, audio::Handle stream) {
    std::array<float, audio::kFftBins + 1> bins{};  // fresh and zeroed every tick
    const std::int32_t result = audio.ChannelGetData(stream, bins.data(), audio::kDataFft2048);
    gui::Picture& bar = gui.PictureBuffer(ui::BarImage);
    for (int i = 0; i < ui::SpectrumBarCount; ++i) {
        const std::int32_t height = result == -1 ? 1 : BarHeight(bins[static_cast<std::size_t>(i)]);
        bar.FillRectangle(0, 0, 1, kBarHeight, kBackground);
        // A height of 0 or less draws nothing; skipping it keeps 15 - height from overflowing.
        if (height > 0) {
            bar.FillRectangle(0, kBarHeight - height, 1, height, kBarColour);
            bar.FillRectangle(0, kBarHeight - height, 1, height / 6, kCapColour);
        }
        gui.SetControlPicture(ui::SpectrumBars + i, ui::BarImage);  // the control keeps a copy
    }
}

void DrawSeek(gui::Gui& gui, std::int32_t elapsed, std::int32_t total) {
    gui::Picture& seek = gui.PictureBuffer(ui::SeekImage);
    seek.FillRectangle(0, 0, kSeekWidth, 2, kSeekBackground);
    if (total > 0) seek.FillRectangle(0, 0, SeekFillWidth(elapsed, total, kSeekWidth), 2, kBarColour);
    gui.SetControlPicture(ui::SeekBar, ui::SeekImage);
}

}  // namespace

void RefreshDisplay(AppState& app, Platform& platform) {
    audio::AudioEngine& audio = platform.audio;
    const audio::Handle stream = app.stream;

    const std::int32_t elapsed =
        WholeSeconds(audio.ChannelBytes2Seconds(stream, audio.ChannelGetPosition(stream)));
    const std::int64_t length = audio.ChannelGetLength(stream);
    app.trackLengthBytes = static_cast<std::int32_t>(static_cast<std::uint32_t>(length));  // low 32 bits
    // The total comes from the whole length: its low 32 bits alone would give a
    // wrong or negative total for tracks longer than about three hours.
    const std::int32_t total = WholeSeconds(audio.ChannelBytes2Seconds(stream, length));

    DrawTime(platform.gui, elapsed);
    DrawVolume(platform.gui, app.volumeLevel);
    app.volumeGain = static_cast<float>(app.volumeLevel) * kGainPerLevel;
    audio.ChannelSetAttribute(stream, audio::kAttributeVolume, app.volumeGain);
    DrawSpectrum(platform.gui, audio, stream);
    DrawSeek(platform.gui, elapsed, total);
}
