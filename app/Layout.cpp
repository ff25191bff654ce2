#include "app/Layout.h"

#include <string>

#include "app/Controls.h"
#include "platform/text/Cp1251.h"

using text::operator""_cp1251;

namespace {

constexpr gui::Rgb kWindowColour{16, 16, 16};

void Create(gui::Gui& gui, int number, gui::ControlKind kind, int parent, int x, int y, int width,
            int height, std::string text = {}) {
    gui::ControlSpec spec;
    spec.number = number;
    spec.kind = kind;
    spec.parent = parent;
    spec.x = x;
    spec.y = y;
    spec.width = width;
    spec.height = height;
    spec.text = std::move(text);
    gui.CreateControl(spec);
}

void BuildSearchRow(gui::Gui& gui) {
    using gui::ControlKind;
    Create(gui, ui::HeaderContainer, ControlKind::Container, ui::MainWindow, -2, 5, 420, 40);
    // The tab strip lies above the container's top edge and is cut off: only
    // the page shows, as the backdrop of the search row.
    Create(gui, ui::HeaderPanel, ControlKind::TabPanel, ui::HeaderContainer, 0, -23, 420, 63);
    Create(gui, ui::HeaderPage, ControlKind::TabPage, ui::HeaderPanel, 0, 0, 420, 63);
    Create(gui, ui::SearchBox, ControlKind::TextInput, ui::HeaderPage, 15, 8, 190, 20,
           "Depeche Mode Remix");
    gui.SetTextColours(ui::SearchBox, {137, 127, 98}, {51, 51, 51});
    Create(gui, ui::SearchButton, ControlKind::Button, ui::HeaderPage, 215, 8, 50, 20, "Поиск"_cp1251);
    Create(gui, ui::LocalButton, ControlKind::Button, ui::HeaderPage, 273, 8, 50, 20, "Локал"_cp1251);
    Create(gui, ui::RadioButton, ControlKind::Button, ui::HeaderPage, 330, 8, 50, 20, "Радио"_cp1251);
}

void BuildTrackList(gui::Gui& gui) {
    Create(gui, ui::ListContainer, gui::ControlKind::Container, ui::MainWindow, 5, 50, 380, 410);
    Create(gui, ui::TrackList, gui::ControlKind::List, ui::ListContainer, 0, 0, 380, 410);
    gui.InsertListColumn(ui::TrackList, 0, "  Время"_cp1251, 50);
    gui.SetListColours(ui::TrackList, {16, 16, 16}, {112, 112, 112}, {41, 41, 41});
    gui.InsertListColumn(ui::TrackList, 0, "      Результат поиска"_cp1251, 300);
}

void BuildPlayerRow(gui::Gui& gui) {
    using gui::ControlKind;
    // Empty until the first display refresh gives it VolumeImage.
    Create(gui, ui::VolumeSlider, ControlKind::PictureBox, ui::MainWindow, 260, 477, 15, 16);
    // Takes the size of its picture, 35 x 16, whatever was asked for.
    Create(gui, ui::PlayPauseButton, ControlKind::PictureBox, ui::MainWindow, 210, 478, 70, 20);
    gui.SetControlPicture(ui::PlayPauseButton, ui::PlayPauseImage);
    Create(gui, ui::SeekBar, ControlKind::PictureBox, ui::MainWindow, 5, 515, 340, 2);
    gui.SetControlPicture(ui::SeekBar, ui::SeekImage);
    Create(gui, ui::TimeDisplay, ControlKind::PictureBox, ui::MainWindow, 360, 510, 60, 15);
    for (int i = 0; i < ui::SpectrumBarCount; ++i) {
        Create(gui, ui::SpectrumBars + i, ControlKind::PictureBox, ui::MainWindow, 16 + 2 * i, 478, 0, 0);
        gui.SetControlPicture(ui::SpectrumBars + i, ui::BarImage);
    }
}

}  // namespace

void CreatePicturesAndFont(gui::Gui& gui, const StoredPictureData& stored) {
    gui.CreatePicture(ui::VolumeImage, 117, 16);
    gui.CreatePicture(ui::BarImage, 1, 15);
    gui.LoadPicture(ui::BackgroundImage, stored.background);
    gui.LoadPicture(ui::KnobImage, stored.knob);
    gui.LoadPicture(ui::VolumeTrackImage, stored.volumeTrack);
    gui.LoadPicture(ui::PlayPauseImage, stored.playPause);
    gui.CreatePicture(ui::SeekImage, 340, 2);
    gui.CreatePicture(ui::TimeImage, 60, 15);
    gui.CreateFont(ui::TimeFont, "Arial", 8);
}

bool BuildMainWindow(gui::Gui& gui) {
    if (!gui.OpenWindow(ui::MainWindow, 400, 550, "Melovia", true)) return false;
    gui.SetWindowColour(ui::MainWindow, kWindowColour);
    gui.SetWindowBackground(ui::MainWindow, ui::BackgroundImage);
    BuildSearchRow(gui);
    BuildTrackList(gui);
    BuildPlayerRow(gui);
    gui.SetTooltip(ui::SearchButton, "Онлайн поиск"_cp1251);
    gui.SetTooltip(ui::LocalButton, "Открыть MP3"_cp1251);
    gui.SetTooltip(ui::RadioButton, "Случайное радио"_cp1251);
    return true;
}

bool BuildDownloadWindow(gui::Gui& gui) {
    using gui::ControlKind;
    if (!gui.OpenWindow(ui::DownloadWindow, 370, 130, "Скачать файл ?"_cp1251, false)) return false;
    gui.SetWindowColour(ui::DownloadWindow, kWindowColour);
    Create(gui, ui::DownloadTitle, ControlKind::Label, ui::DownloadWindow, 10, 10, 340, 15);
    Create(gui, ui::DownloadProgress, ControlKind::ProgressBar, ui::DownloadWindow, 10, 30, 340, 15);
    gui.SetProgressRange(ui::DownloadProgress, 0, 100);
    Create(gui, ui::DownloadSizeLabel, ControlKind::Label, ui::DownloadWindow, 10, 60, 250, 15,
           "Размер файла : "_cp1251);
    Create(gui, ui::DownloadReceivedLabel, ControlKind::Label, ui::DownloadWindow, 10, 80, 250, 15,
           "Получено байт : "_cp1251);
    Create(gui, ui::DownloadButton, ControlKind::Button, ui::DownloadWindow, 280, 70, 70, 20,
           "Скачать"_cp1251);
    return true;
}
