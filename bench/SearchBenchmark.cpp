// The result-page scan over a large generated page (compared with `wc -l` on
// the same file), and a whole search against the demo service: from
// StartSearch to a filled list, through the real HTTP layer.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Controls.h"
#include "platform/net/curl/CurlWeb.h"
#include "search/ResultPageScan.h"
#include "search/Search.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedGui.h"
#include "tools/demo-service/DemoServiceProcess.h"

namespace {

namespace fs = std::filesystem;

// 250,000 lines, about 15 MB: each result as a real page gives it, with a
// line of markup around it.
class LargePage : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        if (!path_.empty()) return;
        path_ = (fs::temp_directory_path() / ("melovia-scan-" + std::to_string(::getpid()) + ".txt")).string();
        std::ofstream out(path_, std::ios::binary);
        for (int i = 0; i < 50'000; ++i) {
            out << "<div class=\"audio\" id=\"audio" << i << "\">\r\n"
                << "<img class=playimg src=\"/play.gif\" onclick=go(this,0," << 2000 + i << ",'"
                << std::hex << 0x9e3779b1u * static_cast<unsigned>(i) << std::dec << "',215)>\r\n"
                << "<span class=performer><b><a href='#' onclick='find(" << i
                << ");'>Northwind Quartet &#8211; Harbour &#39;Lights&#39; <span class=\"match\">Remix"
                << "</span></a></b></span>\r\n"
                << "<div class=duration>3:45</div>\r\n"
                << "</div>\r\n";
        }
        out.close();
        bytes_ = static_cast<std::int64_t>(fs::file_size(path_));
    }
    // Benchmark fixtures are never destroyed, so the page goes after each run.
    void TearDown(const benchmark::State&) override {
        if (!path_.empty()) fs::remove(path_);
        path_.clear();
    }

protected:
    std::string path_;
    std::int64_t bytes_ = 0;
};

BENCHMARK_DEFINE_F(LargePage, ScanResultPage)(benchmark::State& state) {
    AppState app;
    for (auto _ : state) {
        ScriptedGui gui;
        benchmark::DoNotOptimize(ScanResultPage(app, gui, path_));
    }
    state.SetBytesProcessed(state.iterations() * bytes_);
}
BENCHMARK_REGISTER_F(LargePage, ScanResultPage)->Unit(benchmark::kMillisecond);

// The same file through `wc -l`, process start included.
BENCHMARK_DEFINE_F(LargePage, WcLines)(benchmark::State& state) {
    const std::string command = "wc -l < '" + path_ + "'";
    for (auto _ : state) {
        std::FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[64];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe)) benchmark::DoNotOptimize(buffer);
        if (pipe) ::pclose(pipe);
    }
    state.SetBytesProcessed(state.iterations() * bytes_);
}
BENCHMARK_REGISTER_F(LargePage, WcLines)->Unit(benchmark::kMillisecond)->UseRealTime();

// The compiled-in addresses name the demo port, so the service runs there.
void StartSearchAgainstDemoService(benchmark::State& state) {
    DemoServiceProcess service(MELOVIA_DEMO_PORT);
    if (!service.running()) {
        state.SkipWithError("the demo port is taken");
        return;
    }
    // A folder of its own keeps a running player's scratch page alone.
    const char* oldTmp = ::getenv("TMPDIR");
    const std::string restore = oldTmp ? oldTmp : "";
    const fs::path folder = fs::temp_directory_path() / ("melovia-search-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    ::setenv("TMPDIR", folder.c_str(), 1);

    const auto web = net::CreateCurlWeb();
    ScriptedAudio audio;
    AppState app;
    for (auto _ : state) {
        ScriptedGui gui;
        gui.SetControlText(ui::SearchBox, "Depeche Mode Remix");
        Platform platform{gui, audio, *web};
        StartSearch(app, platform);
        if (gui.ListRowCount(ui::TrackList) == 0) state.SkipWithError("no rows");
    }
    if (oldTmp) ::setenv("TMPDIR", restore.c_str(), 1);
    else ::unsetenv("TMPDIR");
    fs::remove_all(folder);
}
BENCHMARK(StartSearchAgainstDemoService)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
