// One display tick against the scripted layers: the cost of our own drawing.
#include <benchmark/benchmark.h>

#include "app/Controls.h"
#include "playback/DisplayRefresh.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedGui.h"
#include "tests/support/ScriptedWeb.h"

namespace {

void RefreshDisplayTick(benchmark::State& state) {
    ScriptedGui gui;
    ScriptedAudio audio;
    ScriptedWeb web;
    Platform platform{gui, audio, web};
    AppState app;
    gui.CreatePicture(ui::TimeImage, 60, 15);
    gui.CreatePicture(ui::VolumeImage, 117, 16);
    gui.CreatePicture(ui::BarImage, 1, 15);
    gui.CreatePicture(ui::SeekImage, 340, 2);
    gui.CreatePicture(ui::VolumeTrackImage, 117, 16);
    gui.CreatePicture(ui::KnobImage, 15, 16);

    app.stream = audio.StreamCreateUrl("http://stream");
    ScriptedAudio::Stream& stream = audio.stream(app.stream);
    stream.length = 176400 * 200;
    stream.position = 176400 * 65;
    for (int i = 0; i < audio::kFftBins; ++i) stream.spectrum.push_back(0.2f / static_cast<float>(1 + i));

    // The stand-ins log every text and volume call; that costs little against the drawing.
    for (auto _ : state) RefreshDisplay(app, platform);
}
BENCHMARK(RefreshDisplayTick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
