// The toolkit's share of one display refresh (time text, volume picture, 86
// spectrum bars, seek bar, then the repaint), which must stay far below the
// 55 ms period; and decoding the stored pictures at start-up.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdlib>

#include "platform/gui/png/PngDecoder.h"
#include "platform/gui/qt/QtGui.h"
#include "resources/StoredPictures.h"

namespace {

constexpr int kWindow = 0, kTimeDisplay = 24, kVolumeSlider = 11, kSeekBar = 16, kFirstBar = 100;
constexpr int kTimeImage = 24, kVolumeImage = 11, kBarImage = 15, kSeekImage = 16, kFont = 27;

void Create(gui::Gui& gui, int number, int x, int y, int w, int h) {
    gui::ControlSpec spec;
    spec.number = number;
    spec.kind = gui::ControlKind::PictureBox;
    spec.parent = kWindow;
    spec.x = x;
    spec.y = y;
    spec.width = w;
    spec.height = h;
    gui.CreateControl(spec);
}

void BuildPlayerRow(gui::Gui& gui) {
    gui.OpenWindow(kWindow, 400, 550, "bench", true);
    gui.CreatePicture(kTimeImage, 60, 15);
    gui.CreatePicture(kVolumeImage, 117, 16);
    gui.CreatePicture(kBarImage, 1, 15);
    gui.CreatePicture(kSeekImage, 340, 2);
    gui.CreateFont(kFont, "Arial", 8);
    Create(gui, kTimeDisplay, 360, 510, 60, 15);
    Create(gui, kVolumeSlider, 260, 477, 15, 16);
    Create(gui, kSeekBar, 5, 515, 340, 2);
    for (int i = 0; i < 86; ++i) Create(gui, kFirstBar + i, 16 + 2 * i, 478, 0, 0);
    gui.ShowWindow(kWindow, true);
    QCoreApplication::processEvents();
}

void RefreshDrawing(benchmark::State& state, gui::Gui& gui) {
    int tick = 0;
    for (auto _ : state) {
        ++tick;
        gui.PictureBuffer(kTimeImage).FillRectangle(0, 0, 60, 15, {16, 16, 16});
        gui.DrawText(kTimeImage, kFont, 0, 0,
                     std::to_string(tick / 60) + ":" + std::to_string(tick % 60), {127, 127, 127},
                     {16, 16, 16});
        gui.SetControlPicture(kTimeDisplay, kTimeImage);
        gui.PictureBuffer(kVolumeImage).FillRectangle(2, 6, tick % 101, 1, {136, 123, 82});
        gui.SetControlPicture(kVolumeSlider, kVolumeImage);
        for (int i = 0; i < 86; ++i) {
            gui::Picture& bar = gui.PictureBuffer(kBarImage);
            bar.FillRectangle(0, 0, 1, 15, {16, 16, 16});
            bar.FillRectangle(0, 15 - (i + tick) % 15, 1, (i + tick) % 15, {137, 127, 98});
            gui.SetControlPicture(kFirstBar + i, kBarImage);
        }
        gui.PictureBuffer(kSeekImage).FillRectangle(0, 0, tick % 340, 2, {137, 127, 98});
        gui.SetControlPicture(kSeekBar, kSeekImage);
        QCoreApplication::processEvents();  // the repaint
    }
}

void DecodeStoredPictures(benchmark::State& state) {
    const std::vector<unsigned char> pngs[] = {
        resources::BackgroundImagePng(), resources::KnobImagePng(),
        resources::VolumeTrackImagePng(), resources::PlayPauseImagePng()};
    for (auto _ : state)
        for (const auto& png : pngs) benchmark::DoNotOptimize(png::DecodePng(png));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    gui::qt::QtGui gui(qtArgc, qtArgv);
    BuildPlayerRow(gui);
    benchmark::RegisterBenchmark("RefreshDrawing", [&gui](benchmark::State& state) {
        RefreshDrawing(state, gui);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DecodeStoredPictures", DecodeStoredPictures)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
