#include <gtest/gtest.h>

#include "app/Controls.h"
#include "platform/text/Cp1251.h"
#include "tests/app/ShellFixture.h"

using text::operator""_cp1251;
using gui::ControlKind;

namespace {

// A GUI on which chosen windows cannot be opened.
class RefusingGui : public ScriptedGui {
public:
    explicit RefusingGui(int refused) : refused_(refused) {}
    bool OpenWindow(int window, int w, int h, const std::string& title, bool minimiseBox) override {
        ScriptedGui::OpenWindow(window, w, h, title, minimiseBox);
        return window != refused_;
    }

private:
    int refused_;
};

std::vector<std::string> ExpectedCreationLog() {
    std::vector<std::string> log = {
        "CreatePicture 11", "CreatePicture 15", "LoadPicture 10", "LoadPicture 12", "LoadPicture 13",
        "LoadPicture 23", "CreatePicture 16", "CreatePicture 24", "CreateFont 27 Arial 8",
        "OpenWindow 0", "CreateControl 4", "CreateControl 2", "CreateControl 3", "CreateControl 7",
        "CreateControl 8", "CreateControl 25", "CreateControl 26", "CreateControl 5", "CreateControl 9",
        "CreateControl 11", "CreateControl 23", "CreateControl 16", "CreateControl 24"};
    for (int i = 0; i < 86; ++i) log.push_back("CreateControl " + std::to_string(100 + i));
    for (const char* line : {"SetTooltip 8", "SetTooltip 25", "SetTooltip 26", "OpenWindow 17", "CreateControl 18",
                             "CreateControl 19", "CreateControl 20", "CreateControl 21", "CreateControl 22",
                             "AcceptFileDrops 0", "ShowWindow 0", "HideWindow 17", "StartTimer 55"})
        log.push_back(line);
    return log;
}

TEST(StartUp, CreatesEverythingInOrderAndInitialisesAudioBetweenDropsAndShow) {
    ShellFixture f;
    f.StartUnskinned();
    EXPECT_EQ(f.gui.log(), ExpectedCreationLog());
    EXPECT_EQ(f.audio.log(), std::vector<std::string>{"Init -1 44100"});
    EXPECT_EQ(f.gui.timerPeriod(), 55);
    EXPECT_TRUE(f.shell.mainWindowOpened);
    EXPECT_FALSE(f.shell.skinLibrary.loaded());
}

TEST(StartUp, ControlsHaveTheirKindParentGeometryAndText) {
    struct Expected {
        int number;
        ControlKind kind;
        int parent, x, y, width, height;
        std::string text;
    };
    const std::vector<Expected> table = {
        {ui::HeaderContainer, ControlKind::Container, ui::MainWindow, -2, 5, 420, 40, ""},
        {ui::HeaderPanel, ControlKind::TabPanel, ui::HeaderContainer, 0, -23, 420, 63, ""},
        {ui::HeaderPage, ControlKind::TabPage, ui::HeaderPanel, 0, 0, 420, 63, ""},
        {ui::SearchBox, ControlKind::TextInput, ui::HeaderPage, 15, 8, 190, 20, "Depeche Mode Remix"},
        {ui::SearchButton, ControlKind::Button, ui::HeaderPage, 215, 8, 50, 20, "Поиск"_cp1251},
        {ui::LocalButton, ControlKind::Button, ui::HeaderPage, 273, 8, 50, 20, "Локал"_cp1251},
        {ui::RadioButton, ControlKind::Button, ui::HeaderPage, 330, 8, 50, 20, "Радио"_cp1251},
        {ui::ListContainer, ControlKind::Container, ui::MainWindow, 5, 50, 380, 410, ""},
        {ui::TrackList, ControlKind::List, ui::ListContainer, 0, 0, 380, 410, ""},
        {ui::VolumeSlider, ControlKind::PictureBox, ui::MainWindow, 260, 477, 15, 16, ""},
        {ui::PlayPauseButton, ControlKind::PictureBox, ui::MainWindow, 210, 478, 70, 20, ""},
        {ui::SeekBar, ControlKind::PictureBox, ui::MainWindow, 5, 515, 340, 2, ""},
        {ui::TimeDisplay, ControlKind::PictureBox, ui::MainWindow, 360, 510, 60, 15, ""},
        {ui::SpectrumBars, ControlKind::PictureBox, ui::MainWindow, 16, 478, 0, 0, ""},
        {ui::SpectrumBars + 85, ControlKind::PictureBox, ui::MainWindow, 186, 478, 0, 0, ""},
        {ui::DownloadTitle, ControlKind::Label, ui::DownloadWindow, 10, 10, 340, 15, ""},
        {ui::DownloadProgress, ControlKind::ProgressBar, ui::DownloadWindow, 10, 30, 340, 15, ""},
        {ui::DownloadSizeLabel, ControlKind::Label, ui::DownloadWindow, 10, 60, 250, 15, "Размер файла : "_cp1251},
        {ui::DownloadReceivedLabel, ControlKind::Label, ui::DownloadWindow, 10, 80, 250, 15,
         "Получено байт : "_cp1251},
        {ui::DownloadButton, ControlKind::Button, ui::DownloadWindow, 280, 70, 70, 20, "Скачать"_cp1251},
    };
    ShellFixture f;
    f.StartUnskinned();
    for (const Expected& e : table) {
        SCOPED_TRACE("control " + std::to_string(e.number));
        const gui::ControlSpec& spec = f.gui.control(e.number).spec;
        EXPECT_EQ(spec.kind, e.kind);
        EXPECT_EQ(spec.parent, e.parent);
        EXPECT_EQ(spec.x, e.x);
        EXPECT_EQ(spec.y, e.y);
        EXPECT_EQ(spec.width, e.width);
        EXPECT_EQ(spec.height, e.height);
        EXPECT_EQ(spec.text, e.text);
    }
}

TEST(StartUp, WindowsColoursTooltipsListAndPictures) {
    ShellFixture f;
    f.StartUnskinned();
    const gui::Rgb dark{16, 16, 16};

    const ScriptedGui::Window& main = f.gui.window(ui::MainWindow);
    EXPECT_EQ(main.width, 400);
    EXPECT_EQ(main.height, 550);
    EXPECT_EQ(main.title, "Melovia");
    EXPECT_TRUE(main.minimiseBox);
    EXPECT_TRUE(main.visible);
    EXPECT_TRUE(main.acceptsDrops);
    EXPECT_EQ(main.colour, dark);
    EXPECT_EQ(main.backgroundPicture, ui::BackgroundImage);

    const ScriptedGui::Window& dialog = f.gui.window(ui::DownloadWindow);
    EXPECT_EQ(dialog.width, 370);
    EXPECT_EQ(dialog.height, 130);
    EXPECT_EQ(dialog.title, std::string("Скачать файл ?"_cp1251));
    EXPECT_FALSE(dialog.minimiseBox);
    EXPECT_FALSE(dialog.visible);
    EXPECT_EQ(dialog.colour, dark);

    const auto& searchBox = f.gui.control(ui::SearchBox);
    EXPECT_EQ(searchBox.textColour, (gui::Rgb{137, 127, 98}));
    EXPECT_EQ(searchBox.backgroundColour, (gui::Rgb{51, 51, 51}));
    EXPECT_EQ(f.gui.control(ui::SearchButton).tooltip, std::string("Онлайн поиск"_cp1251));
    EXPECT_EQ(f.gui.control(ui::LocalButton).tooltip, std::string("Открыть MP3"_cp1251));
    EXPECT_EQ(f.gui.control(ui::RadioButton).tooltip, std::string("Случайное радио"_cp1251));

    const auto& list = f.gui.control(ui::TrackList);
    EXPECT_EQ(list.backgroundColour, dark);
    EXPECT_EQ(list.textColour, (gui::Rgb{112, 112, 112}));
    EXPECT_EQ(list.gridColour, (gui::Rgb{41, 41, 41}));
    ASSERT_EQ(list.columns.size(), 2u);
    EXPECT_EQ(list.columns[0].header, std::string("      Результат поиска"_cp1251));
    EXPECT_EQ(list.columns[0].width, 300);
    EXPECT_EQ(list.columns[1].header, std::string("  Время"_cp1251));
    EXPECT_EQ(list.columns[1].width, 50);

    // Picture controls take their picture's size; the slider and the time stay empty until a refresh.
    struct Shown {
        int control, picture, width, height;
    };
    for (const Shown& s : {Shown{ui::VolumeSlider, -1, 15, 16}, Shown{ui::PlayPauseButton, ui::PlayPauseImage, 35, 16},
                           Shown{ui::SeekBar, ui::SeekImage, 340, 2}, Shown{ui::TimeDisplay, -1, 60, 15},
                           Shown{ui::SpectrumBars + 40, ui::BarImage, 1, 15}}) {
        SCOPED_TRACE("control " + std::to_string(s.control));
        const auto& c = f.gui.control(s.control);
        EXPECT_EQ(c.pictureNumber, s.picture);
        EXPECT_EQ(c.width, s.width);
        EXPECT_EQ(c.height, s.height);
    }
    EXPECT_EQ(f.gui.control(ui::DownloadProgress).progressHigh, 100);
    for (auto [picture, w, h] : {std::tuple{ui::VolumeImage, 117, 16}, std::tuple{ui::BarImage, 1, 15},
                                 std::tuple{ui::SeekImage, 340, 2}, std::tuple{ui::TimeImage, 60, 15}}) {
        EXPECT_EQ(f.gui.picture(picture).width(), w);
        EXPECT_EQ(f.gui.picture(picture).height(), h);
    }
}

TEST(StartUp, SetsTheInitialStateOverWhateverWasThere) {
    ShellFixture f;
    f.app.volumeLevel = 3;
    f.app.volumeGain = 0.1f;
    f.app.trackStarted = 1;
    f.app.sourceKind = 1;
    f.app.trackUrls.Set(110, "http://old");
    f.StartUnskinned();
    EXPECT_EQ(f.app.volumeLevel, 50);
    EXPECT_FLOAT_EQ(f.app.volumeGain, 0.5f);
    EXPECT_EQ(f.app.trackStarted, 0);
    EXPECT_EQ(f.app.sourceKind, 0);
    EXPECT_EQ(f.app.trackUrls[110], "");
    EXPECT_EQ(f.app.skinLoaded, 0);
}

TEST(StartUp, AWindowThatCannotOpenGetsNoControlsAndStartUpGoesOn) {
    for (const int refused : {ui::MainWindow, ui::DownloadWindow}) {
        SCOPED_TRACE("refused window " + std::to_string(refused));
        RefusingGui gui(refused);
        ScriptedAudio audio;
        ScriptedWeb web;
        Platform platform{gui, audio, web};
        AppState app;
        const Shell shell = StartUp(app, platform, FakeSources());

        EXPECT_EQ(shell.mainWindowOpened, refused != ui::MainWindow);
        const bool mainControls = refused != ui::MainWindow;
        EXPECT_EQ(gui.hasControl(ui::HeaderContainer), mainControls);
        EXPECT_EQ(gui.hasControl(ui::SpectrumBars + 85), mainControls);
        EXPECT_EQ(gui.hasControl(ui::DownloadButton), !mainControls);
        EXPECT_EQ(audio.log(), std::vector<std::string>{"Init -1 44100"});
        EXPECT_EQ(gui.timerPeriod(), 55);
    }
}

}  // namespace
