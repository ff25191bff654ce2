// The line reader and the text operations of the result scan over a large
// generated page: how close the text layer comes to reading speed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files/LineReader.h"
#include "search/TextOperations.h"

namespace {

// About 20 MB in 200,000 lines: a result every four lines, the rest markup.
std::string MakePage() {
    const auto path = std::filesystem::temp_directory_path() /
                      ("melovia-bench-page-" + std::to_string(::getpid()) + ".txt");
    std::ofstream out(path, std::ios::binary);
    const std::string filler(40, 'x');
    for (int i = 0; i < 50'000; ++i) {
        out << "<div class=\"audio_row\" data-row=\"" << i << "\">" << filler << filler << "</div>\n"
            << "<img class=playimg onclick=go(901," << i % 97 << "," << i << ",'f0d1" << i
            << "',215)>" << filler << "\n"
            << "<span class=performer><b><a href='#' onclick='find(" << i
            << ");'>Artist &#8211; Song &#39;Live&#39; " << i << "</a></b></span>" << filler << "\n"
            << "<div class=duration>3:45</div>" << filler << filler << "\n";
    }
    return path.string();
}

class PageFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        if (path_.empty()) {
            path_ = MakePage();
            size_ = static_cast<std::int64_t>(std::filesystem::file_size(path_));
        }
    }
    ~PageFixture() override {
        if (!path_.empty()) std::filesystem::remove(path_);
    }

protected:
    std::string path_;
    std::int64_t size_ = 0;
};

BENCHMARK_DEFINE_F(PageFixture, ReadLines)(benchmark::State& state) {
    for (auto _ : state) {
        files::LineReader reader(path_);
        std::size_t lines = 0;
        for (std::string line; reader.Next(line);) ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * size_);
}

BENCHMARK_DEFINE_F(PageFixture, ReadLinesAndCutResults)(benchmark::State& state) {
    for (auto _ : state) {
        files::LineReader reader(path_);
        std::size_t found = 0;
        for (std::string w; reader.Next(w);) {
            if (FindText(w, "playimg", 1) != 0) {
                w = TextBetween(w, "(", ")");
                const std::string field1 = TextBetween(w, ",", ",");
                w = RemoveAll(w, "," + field1);
                found += TextBetween(w, "'", "'").size() + TextBetween(w, ",", ",").size();
            }
            if (FindText(w, "performer", 1) != 0) {
                w = RemoveAll(w, "</b>");
                w = TextBetween(w, ">", "</span>") + "~";
                found += CleanTitle(TextBetween(w, ">", "~")).size();
            }
            if (FindText(w, "duration", 1) != 0) found += TextBetween(w, ">", "</div>").size();
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * size_);
}

BENCHMARK_REGISTER_F(PageFixture, ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(PageFixture, ReadLinesAndCutResults)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
