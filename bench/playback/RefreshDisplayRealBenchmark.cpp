// One display tick with the real toolkit layer (offscreen) and the real audio
// engine playing a generated file through its silent output.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/Controls.h"
#include "platform/audio/CreateAudioEngine.h"
#include "platform/gui/qt/QtGuiFactory.h"
#include "platform/net/Web.h"
#include "platform/text/Cp1251.h"
#include "playback/DisplayRefresh.h"
#include "resources/StoredPictures.h"

namespace {

class NoWeb : public net::Web {
public:
    bool DownloadToFile(const std::string&, const std::string&) override { return false; }
};

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Thirty seconds of a 440 Hz tone, 44.1 kHz stereo 16-bit.
void WriteToneWav(const std::filesystem::path& path) {
    constexpr std::uint32_t kRate = 44100, kFrames = kRate * 30, kDataBytes = kFrames * 4;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + kDataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, 2, 2);
    PutLittleEndian(out, kRate, 4);
    PutLittleEndian(out, kRate * 4, 4);
    PutLittleEndian(out, 4, 2);
    PutLittleEndian(out, 16, 2);
    out.write("data", 4);
    PutLittleEndian(out, kDataBytes, 4);
    for (std::uint32_t i = 0; i < kFrames; ++i) {
        const auto sample = static_cast<std::int16_t>(12000.0 * std::sin(2.0 * M_PI * 440.0 * i / kRate));
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
}

void CreateDisplayControls(gui::Gui& gui) {
    gui.OpenWindow(ui::MainWindow, 400, 550, "", true);
    const auto pictureBox = [&](int number, int x, int y) {
        gui::ControlSpec spec;
        spec.number = number;
        spec.kind = gui::ControlKind::PictureBox;
        spec.parent = ui::MainWindow;
        spec.x = x;
        spec.y = y;
        gui.CreateControl(spec);
    };
    pictureBox(ui::TimeDisplay, 10, 480);
    pictureBox(ui::VolumeSlider, 270, 480);
    pictureBox(ui::SeekBar, 5, 470);
    for (int i = 0; i < ui::SpectrumBarCount; ++i) pictureBox(ui::SpectrumBars + i, 80 + 2 * i, 500);
    gui.CreatePicture(ui::TimeImage, 60, 15);
    gui.CreatePicture(ui::VolumeImage, 117, 16);
    gui.CreatePicture(ui::BarImage, 1, 15);
    gui.CreatePicture(ui::SeekImage, 340, 2);
    gui.LoadPicture(ui::VolumeTrackImage, resources::VolumeTrackImagePng());
    gui.LoadPicture(ui::KnobImage, resources::KnobImagePng());
    gui.CreateFont(ui::TimeFont, "Arial", 9);
    gui.ShowWindow(ui::MainWindow, true);
}

void RefreshDisplayRealTick(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("MELOVIA_AUDIO_OUTPUT", "silent", 1);
    int argc = 1;
    char name[] = "refresh_display_real_benchmark";
    char* argv[] = {name, nullptr};
    const std::unique_ptr<gui::Gui> gui = gui::CreateQtGui(argc, argv);
    const std::unique_ptr<audio::AudioEngine> audio = audio::CreateAudioEngine();
    NoWeb web;
    Platform platform{*gui, *audio, web};
    AppState app;
    CreateDisplayControls(*gui);
    audio->Init(0, 44100);

    const std::filesystem::path wav = std::filesystem::temp_directory_path() / "refresh-display-benchmark.wav";
    WriteToneWav(wav);
    app.stream = audio->StreamCreateFile(text::Cp1251FromPath(wav));
    audio->ChannelPlay(app.stream, false);
    if (app.stream == 0) state.SkipWithError("the generated file did not open");

    for (auto _ : state) RefreshDisplay(app, platform);

    audio->StreamFree(app.stream);
    std::error_code ignored;
    std::filesystem::remove(wav, ignored);
}
BENCHMARK(RefreshDisplayRealTick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
