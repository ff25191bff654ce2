// How soon a started file reaches the output, and what one spectrum costs the
// display refresh.
#include <benchmark/benchmark.h>

#include <chrono>

#include "tests/platform/audio/EngineTesting.h"

namespace audio::testing {
namespace {

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// From StreamCreateFile + ChannelPlay to the first sound handed to the silent
// output. The output takes a block every 23 ms, so half a block is the floor.
void FirstSoundAfterStart(benchmark::State& state, bool mp3) {
    TempFolder folder;
    const auto path = folder / (mp3 ? "tone.mp3" : "tone.wav");
    WriteFile(path, mp3 ? SineMp3({.seconds = 3.0}) : SineWav({.seconds = 3.0}));
    for (auto _ : state) {
        RecordingOutput* output = nullptr;
        auto engine = SilentEngine(&output);
        Sleep(30);  // let the output's clock settle
        const std::int64_t start = NowNs();
        const Handle h = engine->StreamCreateFile(path.string());
        engine->ChannelPlay(h, false);
        WaitFor([&] { return output->FirstSoundNs() != 0; }, std::chrono::seconds(2));
        state.SetIterationTime(static_cast<double>(output->FirstSoundNs() - start) / 1e9);
    }
}
BENCHMARK_CAPTURE(FirstSoundAfterStart, wav, false)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstSoundAfterStart, mp3, true)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

void SpectrumOfAPlayingStream(benchmark::State& state) {
    TempFolder folder;
    WriteFile(folder / "tone.wav", SineWav({.seconds = 10.0}));
    auto engine = SilentEngine();
    const Handle h = engine->StreamCreateFile((folder / "tone.wav").string());
    engine->ChannelPlay(h, false);
    Sleep(100);
    std::vector<float> bins(kFftBins + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine->ChannelGetData(h, bins.data(), kDataFft2048));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SpectrumOfAPlayingStream)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace audio::testing

BENCHMARK_MAIN();
