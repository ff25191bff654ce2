// From the double click on a search result to the first sample the listener
// hears: PlayResult with the curl layer against the demo service and the real
// engine on its silent output, until the stream's heard position passes 0.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "app/Controls.h"
#include "platform/audio/CreateAudioEngine.h"
#include "platform/net/curl/CurlWeb.h"
#include "platform/text/Cp1251.h"
#include "playback/TrackStart.h"
#include "search/Search.h"
#include "tests/support/ScriptedGui.h"
#include "tools/demo-service/DemoServiceProcess.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Runs the search once and keeps everything PlayResult needs. A folder of its
// own keeps a running player's scratch page alone.
class SearchedResults {
public:
    SearchedResults()
        : folder_(fs::temp_directory_path() / ("melovia-latency-" + std::to_string(::getpid()))) {
        if (!service_.running()) {
            error_ = "the demo port is taken";
            return;
        }
        const char* oldTmp = ::getenv("TMPDIR");
        if (oldTmp) oldTmp_ = oldTmp;
        hadTmp_ = oldTmp != nullptr;
        fs::create_directories(folder_);
        ::setenv("TMPDIR", folder_.c_str(), 1);

        if (!engine_->Init(0, 44100)) {  // device 0: the silent output
            error_ = "the audio engine did not start";
            return;
        }
        gui_.SetControlText(ui::SearchBox, "Depeche Mode Remix");
        StartSearch(app_, platform_);
        if (gui_.ListRowCount(ui::TrackList) == 0) {
            error_ = "the search gave no rows";
            return;
        }
        // The service makes a track on its first request; time the start of a
        // track that exists, not its synthesis.
        if (!web_->DownloadToFile(app_.trackUrls[0], text::Cp1251FromPath(folder_ / "warm.mp3")))
            error_ = "the first track did not download";
    }
    ~SearchedResults() {
        if (app_.stream != 0) engine_->StreamFree(app_.stream);
        if (hadTmp_) ::setenv("TMPDIR", oldTmp_.c_str(), 1);
        else ::unsetenv("TMPDIR");
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    SearchedResults(const SearchedResults&) = delete;
    SearchedResults& operator=(const SearchedResults&) = delete;

    const std::string& error() const { return error_; }
    audio::AudioEngine& engine() { return *engine_; }
    AppState& app() { return app_; }
    Platform& platform() { return platform_; }

private:
    // The compiled-in addresses name the demo port, so the service runs there.
    DemoServiceProcess service_{MELOVIA_DEMO_PORT};
    fs::path folder_;
    std::string oldTmp_;
    bool hadTmp_ = false;
    std::unique_ptr<net::Web> web_ = net::CreateCurlWeb();
    std::unique_ptr<audio::AudioEngine> engine_ = audio::CreateAudioEngine();
    ScriptedGui gui_;
    std::string error_;
    AppState app_;
    Platform platform_{gui_, *engine_, *web_};
};

void PlayResultToFirstHeardSample(benchmark::State& state) {
    SearchedResults results;
    if (!results.error().empty()) {
        state.SkipWithError(results.error().c_str());
        return;
    }
    AppState& app = results.app();
    audio::AudioEngine& engine = results.engine();
    double returnedMs = 0;
    for (auto _ : state) {
        const Clock::time_point click = Clock::now();
        PlayResult(app, results.platform(), 0);
        const Clock::time_point returned = Clock::now();
        // Seconds, not a hang: a stream that never sounds ends the run.
        const Clock::time_point deadline = click + std::chrono::seconds(10);
        while (engine.ChannelGetPosition(app.stream) <= 0 && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const Clock::time_point heard = Clock::now();
        if (engine.ChannelGetPosition(app.stream) <= 0) {
            state.SkipWithError("the stream never reached the listener");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(heard - click).count());
        returnedMs += Milliseconds(returned - click);

        engine.StreamFree(app.stream);
        app.stream = 0;
    }
    // How much of the wait the main thread spends inside PlayResult.
    state.counters["PlayResult_ms"] = benchmark::Counter(returnedMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(PlayResultToFirstHeardSample)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
