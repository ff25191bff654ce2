// Starts the program's real layout on the offscreen platform, lets the display
// refresh run a few times and writes the main window as a PNG file:
//   melovia_screenshot [output.png] [--rows] [--download]
// --rows fills the list with a few sample rows, to see how results look;
// --download shoots the download dialog instead.
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/AppState.h"
#include "app/Controls.h"
#include "app/Platform.h"
#include "app/StartUp.h"
#include "platform/audio/CreateAudioEngine.h"
#include "platform/gui/png/PngWriter.h"
#include "platform/gui/qt/QtGui.h"
#include "platform/net/curl/CurlWeb.h"
#include "platform/text/Cp1251.h"

using text::operator""_cp1251;

namespace {

gui::Picture PictureFrom(const QImage& shot) {
    const QImage rgba = shot.convertToFormat(QImage::Format_RGBA8888);
    gui::Picture picture(rgba.width(), rgba.height());
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(picture.data() + static_cast<std::size_t>(y) * rgba.width(),
                    rgba.constScanLine(y), static_cast<std::size_t>(rgba.width()) * 4);
    return picture;
}

void AddSampleRows(gui::Gui& gui) {
    const std::string rows[] = {
        "0     Mode Seven - Glass Garden  Remix\n0:14",
        "1     Static Bloom - Night Mode  Remix\n1:15",
        "2     Северный ветер - Дорога домой\n0:58"_cp1251,
        "3     Amber Coast - Lanterns  Remix\n0:45",
    };
    for (const std::string& row : rows) gui.ListAppend(ui::TrackList, row);
    gui.ListSelect(ui::TrackList, 1);
}

}  // namespace

int main(int argc, char** argv) {
    std::string output = "melovia-screenshot.png";
    bool rows = false, download = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") == 0)
            rows = true;
        else if (std::strcmp(argv[i], "--download") == 0)
            download = true;
        else
            output = argv[i];
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // a display may be asked for explicitly
    setenv("MELOVIA_AUDIO_OUTPUT", "silent", 1);

    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    gui::qt::QtGui gui(qtArgc, qtArgv);
    const auto audio = audio::CreateAudioEngine();
    const auto web = net::CreateCurlWeb();
    AppState app;
    Platform platform{gui, *audio, *web};
    const Shell shell = StartUp(app, platform);
    if (!shell.mainWindowOpened) {
        std::fprintf(stderr, "the main window did not open\n");
        return 1;
    }
    if (rows) AddSampleRows(gui);
    if (download) gui.ShowWindow(ui::DownloadWindow, true);
    for (int ticks = 0; ticks < 3;)  // a few display refreshes
        ticks += gui.WaitEvent().kind == gui::EventKind::Other;

    const QImage shot =
        gui.WidgetOf(download ? ui::DownloadWindow : ui::MainWindow)->grab().toImage();
    if (!png::WritePngFile(PictureFrom(shot), output)) {
        std::fprintf(stderr, "cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s\n", output.c_str());
    return 0;
}
