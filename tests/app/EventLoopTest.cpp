#include <gtest/gtest.h>

#include "app/Controls.h"
#include "app/Dispatch.h"
#include "app/EventLoop.h"
#include "tests/app/ShellFixture.h"

namespace {

using gui::EventType;

gui::Event CloseRequest(int window) {
    gui::Event event;
    event.kind = gui::EventKind::CloseRequest;
    event.window = window;
    return event;
}

// A started track whose stream has just ended, on a list of three rows.
void TrackEnded(ShellFixture& f, int selectedRow) {
    f.FillList(3);
    f.gui.ListSelect(ui::TrackList, selectedRow);
    f.app.trackStarted = 1;
    f.app.stream = f.audio.StreamCreateUrl("http://127.0.0.1/ended.mp3");  // created stopped
}

TEST(EventLoop, AutoAdvanceRunsBeforeTheDispatchOfTheSameTurn) {
    ShellFixture f;
    f.StartUnskinned();
    TrackEnded(f, 0);
    f.gui.PushControlEvent(ui::SearchButton, EventType::Click);

    EXPECT_EQ(RunEventLoop(f.app, f.platform, f.recorder.actions()), 0);
    // The recorders start nothing, so the stream stays stopped and the close turn advances once more.
    EXPECT_EQ(f.recorder.calls, (std::vector<std::string>{"PlayResult 1", "StartSearch", "PlayResult 2"}));
    EXPECT_EQ(f.app.currentIndex, 2);
}

TEST(EventLoop, StoresTheEventAndLeavesOnlyWhenMainWindowAsksToClose) {
    ShellFixture f;
    f.StartUnskinned();
    f.recorder.downloadRunning = true;
    Actions actions = f.recorder.actions();
    actions.startDownload = [&](AppState& app, Platform&) {
        f.recorder.calls.push_back("StartDownload from " + std::to_string(app.eventControl) + " in " +
                                   std::to_string(app.eventWindow));
    };
    f.gui.ShowWindow(ui::DownloadWindow, true);
    f.gui.PushEvent(CloseRequest(ui::DownloadWindow));
    f.gui.PushControlEvent(ui::DownloadButton, EventType::Click, ui::DownloadWindow);
    f.gui.PushEvent(CloseRequest(ui::MainWindow));
    f.gui.PushControlEvent(ui::SearchButton, EventType::Click);  // never reached

    EXPECT_EQ(RunEventLoop(f.app, f.platform, actions), 0);
    EXPECT_EQ(f.recorder.calls, (std::vector<std::string>{"EndDownload", "StartDownload from 22 in 17"}));
    EXPECT_FALSE(f.gui.window(ui::DownloadWindow).visible);
    EXPECT_EQ(f.app.eventKind, gui::EventKind::CloseRequest);
    EXPECT_EQ(f.app.eventWindow, ui::MainWindow);
}

TEST(EventLoop, CloseHidesTheDialogAndEndsOnlyARunningDownload) {
    for (const bool running : {false, true}) {
        ShellFixture f;
        f.StartUnskinned();
        f.recorder.downloadRunning = running;
        f.gui.ShowWindow(ui::DownloadWindow, true);
        EXPECT_EQ(HandleCloseRequest(f.app, f.platform, ui::MainWindow, f.recorder.actions()), AfterDispatch::Exit);
        EXPECT_FALSE(f.gui.window(ui::DownloadWindow).visible);
        EXPECT_EQ(f.recorder.calls.size(), running ? 1u : 0u);
    }
}

TEST(EventLoop, DoubleClickOnPlayPauseTogglesOnceAndPausedSurvivesANewTrack) {
    ShellFixture f;
    f.StartUnskinned();
    f.app.stream = f.audio.StreamCreateUrl("http://127.0.0.1/a.mp3");
    f.audio.ChannelPlay(f.app.stream, false);
    f.audio.ClearLog();
    f.gui.PushControlEvent(ui::PlayPauseButton, EventType::LeftClick);
    f.gui.PushControlEvent(ui::PlayPauseButton, EventType::LeftDoubleClick);
    RunEventLoop(f.app, f.platform, f.recorder.actions());
    EXPECT_EQ(f.app.paused, 1);
    EXPECT_EQ(f.audio.log(), std::vector<std::string>{"ChannelPause 1"});

    // Another track starts playing; the next click resumes it (already playing), the one after pauses.
    f.app.stream = f.audio.StreamCreateUrl("http://127.0.0.1/b.mp3");
    f.audio.ChannelPlay(f.app.stream, false);
    f.audio.ClearLog();
    f.gui.PushControlEvent(ui::PlayPauseButton, EventType::LeftClick);
    f.gui.PushControlEvent(ui::PlayPauseButton, EventType::LeftClick);
    RunEventLoop(f.app, f.platform, f.recorder.actions());
    EXPECT_EQ(f.app.paused, 1);
    EXPECT_EQ(f.audio.log(), (std::vector<std::string>{"ChannelPlay 2", "ChannelPause 2"}));
}

TEST(EventLoop, SeekBarEventSeeksByThePointer) {
    ShellFixture f;
    f.StartUnskinned();
    f.app.stream = f.audio.StreamCreateUrl("http://127.0.0.1/a.mp3");
    f.audio.ChannelPlay(f.app.stream, false);
    f.app.trackLengthBytes = 3400;
    f.app.radioMode = 1;
    f.gui.SetPointerInClient(55, 515);
    f.gui.PushControlEvent(ui::SeekBar, EventType::LeftDoubleClick);
    RunEventLoop(f.app, f.platform, f.recorder.actions());
    EXPECT_EQ(f.app.seekBytes, 500);
    EXPECT_EQ(f.app.radioMode, 0);
}

struct AdvanceCase {
    const char* name;
    int trackStarted, radioMode;
    int activity;
    int sourceKind;
    int selection;  // of three rows; -1 none
    std::vector<std::string> calls;
    int currentIndex;  // afterwards; starts at 7
};

TEST(AutoAdvance, StartsTheNextRowOnlyWhenArmedAndStopped) {
    const std::vector<AdvanceCase> cases = {
        {"next result", 1, 0, audio::Stopped, 0, 0, {"PlayResult 1"}, 1},
        {"next local file", 1, 0, audio::Stopped, 1, 1, {"PlayLocalFile"}, 2},
        {"no selection starts row 0", 1, 0, audio::Stopped, 0, -1, {"PlayResult 0"}, 0},
        {"after the last row back to row 0", 1, 0, audio::Stopped, 0, 2, {"PlayResult 0"}, 0},
        {"nothing started yet", 0, 0, audio::Stopped, 0, 0, {}, 7},
        {"radio lists shown", 1, 1, audio::Stopped, 0, 0, {}, 7},
        {"playing", 1, 0, audio::Playing, 0, 0, {}, 7},
        {"paused", 1, 0, audio::Paused, 0, 0, {}, 7},
        {"stalled", 1, 0, audio::Stalled, 0, 0, {}, 7},
    };
    for (const AdvanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShellFixture f;
        f.StartUnskinned();
        TrackEnded(f, c.selection);
        f.app.trackStarted = c.trackStarted;
        f.app.radioMode = c.radioMode;
        f.app.sourceKind = c.sourceKind;
        f.app.currentIndex = 7;
        f.audio.stream(f.app.stream).activity = c.activity;

        AutoAdvance(f.app, f.platform, f.recorder.actions());
        EXPECT_EQ(f.recorder.calls, c.calls);
        EXPECT_EQ(f.app.currentIndex, c.currentIndex);
        if (!c.calls.empty()) {
            EXPECT_EQ(f.gui.ListSelection(ui::TrackList), c.currentIndex);
        }
    }
}

TEST(AutoAdvance, AnEmptyListStartsNothingAndAStaleUrlPastTheLastRowIsNeverPlayed) {
    ShellFixture f;
    f.StartUnskinned();
    f.app.trackStarted = 1;
    f.app.trackUrls.Set(0, "http://127.0.0.1/old-search-row-0.mp3");
    AutoAdvance(f.app, f.platform, f.recorder.actions());
    EXPECT_TRUE(f.recorder.calls.empty());

    // The real track start: a row past the end would open the earlier search's URL kept in trackUrls[3].
    f.FillList(3);
    f.app.trackUrls.Set(3, "http://127.0.0.1/old-search-row-3.mp3");
    f.gui.ListSelect(ui::TrackList, 2);
    Actions actions = f.recorder.actions();
    std::vector<std::string> urls;
    actions.playResult = [&](AppState& app, Platform&, int row) { urls.push_back(app.trackUrls[row]); };
    AutoAdvance(f.app, f.platform, actions);
    EXPECT_EQ(urls, std::vector<std::string>{"http://127.0.0.1/old-search-row-0.mp3"});
}

}  // namespace
