// From a typed query to sound and on to the next row: the demo service, the
// curl layer, the scan, the real audio engine (silent output) and AutoAdvance.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/Actions.h"
#include "app/Controls.h"
#include "app/Dispatch.h"
#include "platform/audio/CreateAudioEngine.h"
#include "platform/net/curl/CurlWeb.h"
#include "platform/text/Cp1251.h"
#include "playback/TrackStart.h"
#include "search/Search.h"
#include "tests/support/ScriptedGui.h"
#include "tools/demo-service/DemoServiceProcess.h"

namespace {

namespace fs = std::filesystem;

bool Sounding(audio::AudioEngine& engine, audio::Handle stream) {
    const int activity = engine.ChannelIsActive(stream);
    return activity == audio::Playing || activity == audio::Stalled;
}

TEST(SearchToPlayback, FirstResultPlaysAndTheNextRowFollowsWhenItEnds) {
    // The compiled-in addresses name the demo port, so the service must run there.
    DemoServiceProcess service(MELOVIA_DEMO_PORT);
    if (!service.running()) GTEST_SKIP() << "port " << MELOVIA_DEMO_PORT << " is taken";

    const fs::path folder = fs::temp_directory_path() / ("search-e2e-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    ::setenv("TMPDIR", folder.c_str(), 1);

    const auto web = net::CreateCurlWeb();
    const auto engine = audio::CreateAudioEngine();
    ASSERT_TRUE(engine->Init(0, 44100));  // device 0: the silent output
    ScriptedGui gui;
    Platform platform{gui, *engine, *web};
    AppState app;

    gui.SetControlText(ui::SearchBox, "Depeche Mode Remix");
    StartSearch(app, platform);
    ASSERT_GE(gui.ListRowCount(ui::TrackList), 2);

    // The service makes a track on its first request; have the two used here
    // made already, so a loaded machine cannot push them past the engine's
    // time limit for an answer.
    for (int row = 0; row < 2; ++row)
        ASSERT_TRUE(web->DownloadToFile(app.trackUrls[row], text::Cp1251FromPath(folder / "warm.mp3")));

    // The user clicks row 0, then double-clicks it.
    gui.ListSelect(ui::TrackList, 0);
    app.currentIndex = 0;
    PlayResult(app, platform, 0);
    ASSERT_NE(app.stream, 0u);
    EXPECT_TRUE(Sounding(*engine, app.stream));
    const audio::Handle first = app.stream;

    // Skip to a second before the end rather than wait the whole track out.
    const std::int64_t length = engine->ChannelGetLength(first);
    ASSERT_GT(length, 0);
    const double seconds = engine->ChannelBytes2Seconds(first, length);
    ASSERT_GT(seconds, 5.0);
    ASSERT_TRUE(engine->ChannelSetPosition(first, length - static_cast<std::int64_t>(length / seconds)));

    const Actions actions = RealActions();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (app.currentIndex == 0 && std::chrono::steady_clock::now() < deadline) {
        AutoAdvance(app, platform, actions);
        std::this_thread::sleep_for(std::chrono::milliseconds(55));
    }
    EXPECT_EQ(app.currentIndex, 1);
    EXPECT_EQ(gui.ListSelection(ui::TrackList), 1);
    EXPECT_NE(app.stream, first);
    EXPECT_TRUE(Sounding(*engine, app.stream));
    EXPECT_EQ(gui.window(ui::MainWindow).title.substr(0, 2), "1 ");

    engine->StreamFree(app.stream);
    ::unsetenv("TMPDIR");
    fs::remove_all(folder);
}

}  // namespace
