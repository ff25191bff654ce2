#include <gtest/gtest.h>

#include <climits>

#include "app/Controls.h"
#include "app/Dispatch.h"
#include "tests/app/ShellFixture.h"

namespace {

using gui::EventType;

gui::Event ControlEvent(int control, EventType type) {
    gui::Event event;
    event.kind = gui::EventKind::ControlEvent;
    event.control = control;
    event.type = type;
    return event;
}

struct DispatchCase {
    const char* name;
    int control;
    EventType type;
    int sourceKind, radioMode, radioLevel;
    int selection;         // -1 for none; the list has three rows
    const char* expected;  // the action called, "" for none
};

class DispatchTable : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(DispatchTable, CallsTheActionForEventAndModeFlags) {
    const DispatchCase& c = GetParam();
    ShellFixture f;
    f.StartUnskinned();
    f.FillList(3);
    f.gui.ListSelect(ui::TrackList, c.selection);
    f.app.sourceKind = c.sourceKind;
    f.app.radioMode = c.radioMode;
    f.app.radioLevel = c.radioLevel;
    f.app.currentIndex = 2;  // differs from the selection: the list actions go by currentIndex

    EXPECT_EQ(Dispatch(f.app, f.platform, ControlEvent(c.control, c.type), f.recorder.actions()),
              AfterDispatch::Continue);
    const std::vector<std::string> expected =
        std::string(c.expected).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.expected};
    EXPECT_EQ(f.recorder.calls, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dispatch, DispatchTable,
    ::testing::Values(
        DispatchCase{"RadioButtonInAnyMode", ui::RadioButton, EventType::Click, 1, 1, 1, -1, "ShowRadioGenres"},
        DispatchCase{"SearchButton", ui::SearchButton, EventType::Click, 1, 1, 1, -1, "StartSearch"},
        DispatchCase{"LocalButton", ui::LocalButton, EventType::Click, 0, 1, 1, -1, "OpenLocalFile"},
        DispatchCase{"DownloadButton", ui::DownloadButton, EventType::Click, 1, 1, 1, 0, "StartDownload"},
        DispatchCase{"SearchBoxStartsNothing", ui::SearchBox, EventType::Click, 0, 0, 0, 0, ""},
        DispatchCase{"VolumeSliderClickIsNoCommand", ui::VolumeSlider, EventType::LeftClick, 0, 0, 0, 0, ""},
        DispatchCase{"DoubleClickPlaysResultAtCurrentIndex", ui::TrackList, EventType::LeftDoubleClick, 0, 0, 0,
                     1, "PlayResult 2"},
        DispatchCase{"DoubleClickPlaysLocalFile", ui::TrackList, EventType::LeftDoubleClick, 1, 0, 0, 1,
                     "PlayLocalFile"},
        DispatchCase{"DoubleClickOpensGenre", ui::TrackList, EventType::LeftDoubleClick, 1, 1, 0, 1, "OpenGenre"},
        DispatchCase{"DoubleClickOpensStation", ui::TrackList, EventType::LeftDoubleClick, 0, 1, 1, 1,
                     "OpenStation"},
        DispatchCase{"DoubleClickOnStationsAfterSeekDoesNothing", ui::TrackList, EventType::LeftDoubleClick, 0, 0,
                     1, 1, ""},
        DispatchCase{"DoubleClickWithoutSelectionDoesNothing", ui::TrackList, EventType::LeftDoubleClick, 0, 0, 0,
                     -1, ""},
        DispatchCase{"RightClickOnResultsOpensDownload", ui::TrackList, EventType::RightClick, 0, 0, 1, -1,
                     "OpenDownloadDialog"},
        DispatchCase{"RightClickOnLocalFilesDoesNothing", ui::TrackList, EventType::RightClick, 1, 0, 0, 1, ""},
        DispatchCase{"RightClickOnRadioDoesNothing", ui::TrackList, EventType::RightClick, 0, 1, 0, 1, ""},
        DispatchCase{"RightDoubleClickDoesNothing", ui::TrackList, EventType::RightDoubleClick, 0, 0, 0, 1, ""},
        DispatchCase{"PlayPauseRightClickDoesNothing", ui::PlayPauseButton, EventType::RightClick, 0, 0, 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dispatch, LeftClickTakesTheSelectedRowAndEmptySpaceKeepsCurrentIndex) {
    ShellFixture f;
    f.StartUnskinned();
    f.FillList(3);
    f.app.currentIndex = 0;
    f.gui.ListSelect(ui::TrackList, 2);
    Dispatch(f.app, f.platform, ControlEvent(ui::TrackList, EventType::LeftClick), f.recorder.actions());
    EXPECT_EQ(f.app.currentIndex, 2);

    f.gui.ListSelect(ui::TrackList, -1);
    Dispatch(f.app, f.platform, ControlEvent(ui::TrackList, EventType::LeftClick), f.recorder.actions());
    EXPECT_EQ(f.app.currentIndex, 2);
    EXPECT_TRUE(f.recorder.calls.empty());
}

TEST(Dispatch, LocalButtonAndDropLeaveRadioModeAfterTheAction) {
    ShellFixture f;
    f.StartUnskinned();
    Actions actions = f.recorder.actions();
    std::vector<std::string> flagsDuringAction;
    actions.openLocalFileFromDrop = [&](AppState& app, Platform&) {
        flagsDuringAction.push_back(app.folderPath + "|" + std::to_string(app.radioMode));
    };

    f.app.radioMode = 1;
    f.app.radioLevel = 1;
    gui::Event drop;
    drop.kind = gui::EventKind::FilesDropped;
    drop.paths = {"/music/a.mp3", "/music/b.wav", "/other/c.mid"};
    Dispatch(f.app, f.platform, drop, actions);
    EXPECT_EQ(flagsDuringAction, std::vector<std::string>{"/music/a.mp3\n/music/b.wav\n/other/c.mid|1"});
    EXPECT_EQ(f.app.radioMode, 0);
    EXPECT_EQ(f.app.radioLevel, 0);

    drop.paths = {"/music/only.mp3"};
    Dispatch(f.app, f.platform, drop, actions);
    EXPECT_EQ(f.app.folderPath, "/music/only.mp3");

    f.app.radioMode = 1;
    f.app.radioLevel = 1;
    Dispatch(f.app, f.platform, ControlEvent(ui::LocalButton, EventType::Click), actions);
    EXPECT_EQ(f.app.radioMode, 0);
    EXPECT_EQ(f.app.radioLevel, 0);
}

TEST(TogglePause, FlipsAndPausesOrResumesWithoutRestart) {
    ShellFixture f;
    f.app.stream = f.audio.StreamCreateUrl("http://127.0.0.1/a.mp3");
    f.app.paused = 0;
    f.audio.ClearLog();
    TogglePause(f.app, f.platform);
    EXPECT_EQ(f.app.paused, 1);
    TogglePause(f.app, f.platform);
    EXPECT_EQ(f.app.paused, 0);
    EXPECT_EQ(f.audio.log(), (std::vector<std::string>{"ChannelPause 1", "ChannelPlay 1"}));
}

struct SeekCase {
    int pointerX;  // in MainWindow's client area; -1 outside
    std::int32_t trackLengthBytes;
    std::int32_t seekBytes;
};

TEST(SeekToPointer, ComputesSigned32BitBytePositionAndLeavesRadioMode) {
    const std::vector<SeekCase> cases = {
        {5, 34000, 0},                     // the bar's left end
        {175, 34000, 170 * 100},           // the middle
        {344, 34000, 339 * 100},           // the right end
        {200, 339, 0},                     // shorter than the bar is wide
        {200, -1, 0},                      // the engine reported failure
        {200, 34339, 195 * 100},           // the division truncates
        {-1, 34000, -6 * 100},             // pointer outside the window when the event is handled
        {399, 2000000000, -1977320608},    // the product wraps as a 32-bit value
    };
    for (const SeekCase& c : cases) {
        SCOPED_TRACE("x " + std::to_string(c.pointerX) + ", length " + std::to_string(c.trackLengthBytes));
        ShellFixture f;
        f.StartUnskinned();
        f.app.stream = f.audio.StreamCreateUrl("http://127.0.0.1/a.mp3");
        f.app.trackLengthBytes = c.trackLengthBytes;
        f.app.radioMode = 1;
        f.app.radioLevel = 1;
        if (c.pointerX >= 0)
            f.gui.SetPointerInClient(c.pointerX, 516);
        else
            f.gui.SetPointer({0, 0});
        f.audio.ClearLog();

        SeekToPointer(f.app, f.platform);
        EXPECT_EQ(f.app.seekBytes, c.seekBytes);
        EXPECT_EQ(f.audio.log(), std::vector<std::string>{"ChannelSetPosition 1 " + std::to_string(c.seekBytes)});
        EXPECT_EQ(f.app.radioMode, 0);
        EXPECT_EQ(f.app.radioLevel, 1);
    }
}

}  // namespace
