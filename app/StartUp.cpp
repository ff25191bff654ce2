#include "app/StartUp.h"

#include "app/Controls.h"
#include "app/Skin.h"
#include "playback/DisplayRefresh.h"

namespace {

void SetInitialState(AppState& app) {
    app.trackUrls = {};
    app.trackTitles = {};
    app.stationLinks = {};
    app.volumeGain = 0.5f;
    app.volumeLevel = 50;
    app.trackStarted = 0;
    app.sourceKind = 0;
}

}  // namespace

Shell StartUp(AppState& app, Platform& platform, const StartUpSources& sources) {
    Shell shell;
    // Before any window exists, so the skin can dress every one of them.
    app.skinLoaded = LoadSkin(app, shell.skinLibrary, sources.skinLibraryCandidates);
    SetInitialState(app);

    gui::Gui& gui = platform.gui;
    CreatePicturesAndFont(gui, sources.pictures);
    shell.mainWindowOpened = BuildMainWindow(gui);
    BuildDownloadWindow(gui);
    gui.AcceptFileDrops(ui::MainWindow);
    platform.audio.Init(-1, 44100);  // default device
    gui.ShowWindow(ui::MainWindow, true);
    gui.ShowWindow(ui::DownloadWindow, false);
    gui.StartTimer(55, [&app, platform]() mutable { RefreshDisplay(app, platform); });
    return shell;
}
