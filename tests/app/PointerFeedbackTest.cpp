#include <gtest/gtest.h>

#include "app/Controls.h"
#include "app/EventLoop.h"
#include "app/PointerFeedback.h"
#include "tests/app/ShellFixture.h"

namespace {

constexpr gui::EventKind kMove = gui::EventKind::MouseMove;
constexpr int kSliderX = 260, kSliderY = 477;

struct VolumeCase {
    bool fullWidth;  // 117 wide once the first refresh has set VolumeImage, else 15
    int column;      // pointer column within the slider
    int level;
};

TEST(HandleVolumeDrag, LevelFollowsThePointerColumnWithinTheSliderAsItIsNow) {
    const std::vector<VolumeCase> cases = {
        {true, 0, 0},    {true, 8, 0},    {true, 9, 1},   {true, 108, 100}, {true, 109, 101},
        {true, 116, 101}, {true, 117, 50}, // outside: the level stays
        {false, 14, 6},  {false, 15, 50},
    };
    for (const VolumeCase& c : cases) {
        SCOPED_TRACE((c.fullWidth ? "117 wide, column " : "15 wide, column ") + std::to_string(c.column));
        ShellFixture f;
        f.StartUnskinned();
        if (c.fullWidth) f.gui.SetControlPicture(ui::VolumeSlider, ui::VolumeImage);
        f.gui.SetPointerInClient(kSliderX + c.column, kSliderY + 8);
        f.gui.ScriptLeftButton({true, true});
        HandleVolumeDrag(f.app, f.platform, kMove);
        EXPECT_EQ(f.app.volumeLevel, c.level);
    }
}

TEST(HandleVolumeDrag, OnlyTheSecondButtonAnswerCounts) {
    struct ButtonCase {
        bool first, second;
        int level;
    };
    for (const ButtonCase& c : {ButtonCase{true, false, 50}, ButtonCase{false, false, 50},
                                ButtonCase{false, true, 4}}) {
        SCOPED_TRACE(std::to_string(c.first) + " then " + std::to_string(c.second));
        ShellFixture f;
        f.StartUnskinned();
        f.gui.SetPointerInClient(kSliderX + 12, kSliderY);
        f.gui.ScriptLeftButton({c.first, c.second});
        HandleVolumeDrag(f.app, f.platform, kMove);
        EXPECT_EQ(f.app.volumeLevel, c.level);
        EXPECT_EQ(f.gui.leftButtonQueries(), 2);
        EXPECT_EQ(f.gui.handPointerCount(), 1);  // the hand shows with or without the button
    }
}

TEST(HandleVolumeDrag, IgnoresOtherEventsAndAPointerOffTheSlider) {
    struct OffCase {
        gui::EventKind kind;
        int x, y;  // in the client area
    };
    for (const OffCase& c : {OffCase{gui::EventKind::Other, kSliderX + 4, kSliderY + 4},
                             OffCase{gui::EventKind::ControlEvent, kSliderX + 4, kSliderY + 4},
                             OffCase{kMove, kSliderX + 4, kSliderY + 16}, OffCase{kMove, kSliderX - 1, kSliderY}}) {
        ShellFixture f;
        f.StartUnskinned();
        f.gui.SetPointerInClient(c.x, c.y);
        f.gui.ScriptLeftButton({true, true});
        HandleVolumeDrag(f.app, f.platform, c.kind);
        EXPECT_EQ(f.app.volumeLevel, 50);
        EXPECT_EQ(f.gui.leftButtonQueries(), 0);
        EXPECT_EQ(f.gui.handPointerCount(), 0);
    }
}

TEST(HandleVolumeDrag, ADragOutOfTheSliderKeepsTheLastLevelInside) {
    ShellFixture f;
    f.StartUnskinned();
    f.gui.SetControlPicture(ui::VolumeSlider, ui::VolumeImage);
    f.gui.ScriptLeftButton({true, true});
    f.gui.SetPointerInClient(kSliderX + 40, kSliderY + 3);
    HandleVolumeDrag(f.app, f.platform, kMove);
    f.gui.SetPointerInClient(kSliderX - 30, kSliderY + 3);
    HandleVolumeDrag(f.app, f.platform, kMove);
    EXPECT_EQ(f.app.volumeLevel, 32);
}

TEST(EventLoop, EveryMouseMoveReachesThePointerFeedback) {
    ShellFixture f;
    f.StartUnskinned();
    f.gui.ScriptLeftButton({true, true});
    f.gui.SetPointerInClient(kSliderX + 10, kSliderY + 3);
    gui::Event move;
    move.kind = kMove;
    f.gui.PushEvent(move);
    RunEventLoop(f.app, f.platform, f.recorder.actions());
    EXPECT_EQ(f.app.volumeLevel, 2);
    EXPECT_EQ(f.gui.handPointerCount(), 1);
}

TEST(UpdateHoverCursor, HandOverThePlayPauseButtonAtItsActualSizeAndTheTwoPixelSeekBar) {
    struct HoverCase {
        int x, y;  // in the client area
        int hands;
    };
    const std::vector<HoverCase> cases = {
        {210, 478, 1}, {244, 493, 1}, {245, 478, 0},  // 35 x 16, not the 70 x 20 asked for
        {210, 494, 0}, {5, 515, 1},   {344, 516, 1}, {345, 515, 0}, {100, 517, 0}, {100, 514, 0},
    };
    for (const HoverCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        ShellFixture f;
        f.StartUnskinned();
        f.gui.SetPointerInClient(c.x, c.y);
        UpdateHoverCursor(f.platform, kMove);
        UpdateHoverCursor(f.platform, gui::EventKind::Other);
        EXPECT_EQ(f.gui.handPointerCount(), c.hands);
    }
}

// Records which control rectangles are asked for.
class RectRecordingGui : public ScriptedGui {
public:
    gui::Rect ControlScreenRect(int control) override {
        asked.push_back(control);
        return ScriptedGui::ControlScreenRect(control);
    }
    std::vector<int> asked;
};

TEST(UpdateHoverCursor, TestsTheSeekBarOnlyWhenThePlayPauseButtonMissed) {
    RectRecordingGui gui;
    ScriptedAudio audio;
    ScriptedWeb web;
    Platform platform{gui, audio, web};
    AppState app;
    const Shell shell = StartUp(app, platform, FakeSources());

    gui.SetPointerInClient(220, 480);
    UpdateHoverCursor(platform, kMove);
    EXPECT_EQ(gui.asked, std::vector<int>{ui::PlayPauseButton});

    gui.asked.clear();
    gui.SetPointerInClient(20, 515);
    UpdateHoverCursor(platform, kMove);
    EXPECT_EQ(gui.asked, (std::vector<int>{ui::PlayPauseButton, ui::SeekBar}));
    EXPECT_EQ(gui.handPointerCount(), 2);
}

}  // namespace
