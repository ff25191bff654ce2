#include "app/Dispatch.h"

#include <cstdint>

#include "app/Controls.h"

namespace {

void DispatchListEvent(AppState& app, Platform& platform, gui::EventType type, const Actions& actions) {
    const int selection = platform.gui.ListSelection(ui::TrackList);
    switch (type) {
        case gui::EventType::LeftClick:
            // A click on empty space selects nothing and keeps currentIndex.
            if (selection != -1) app.currentIndex = selection;
            break;
        case gui::EventType::LeftDoubleClick:
            // The first click of the double click has set currentIndex already.
            if (selection == -1) break;
            if (app.radioMode == 0 && app.radioLevel == 0 && app.sourceKind == 0)
                actions.playResult(app, platform, app.currentIndex);
            else if (app.radioMode == 0 && app.radioLevel == 0 && app.sourceKind == 1)
                actions.playLocalFile(app, platform);
            else if (app.radioMode == 1 && app.radioLevel == 0)
                actions.openGenre(app, platform);
            else if (app.radioMode == 1 && app.radioLevel == 1)
                actions.openStation(app, platform);
            break;
        case gui::EventType::RightClick:
            if (app.sourceKind == 0 && app.radioMode == 0) actions.openDownloadDialog(app, platform);
            break;
        default:
            break;
    }
}

void DispatchControlEvent(AppState& app, Platform& platform, const gui::Event& event,
                          const Actions& actions) {
    switch (event.control) {
        case ui::RadioButton:
            actions.showRadioGenres(app, platform);
            break;
        case ui::LocalButton:
            actions.openLocalFile(app, platform);
            app.radioMode = 0;
            app.radioLevel = 0;
            break;
        case ui::SeekBar:
            SeekToPointer(app, platform);
            break;
        case ui::PlayPauseButton:
            // A double click reports its first press as a left click only, so it toggles once.
            if (event.type == gui::EventType::LeftClick) TogglePause(app, platform);
            break;
        case ui::SearchButton:
            actions.startSearch(app, platform);
            break;
        case ui::TrackList:
            DispatchListEvent(app, platform, event.type, actions);
            break;
        case ui::DownloadButton:
            actions.startDownload(app, platform);
            break;
        default:  // SearchBox among them: Enter there starts nothing
            break;
    }
}

void DropFiles(AppState& app, Platform& platform, const gui::Event& event, const Actions& actions) {
    app.folderPath.clear();
    for (const std::string& path : event.paths) {
        if (&path != &event.paths.front()) app.folderPath += '\n';
        app.folderPath += path;
    }
    actions.openLocalFileFromDrop(app, platform);
    app.radioMode = 0;
    app.radioLevel = 0;
}

}  // namespace

void AutoAdvance(AppState& app, Platform& platform, const Actions& actions) {
    if (app.trackStarted != 1 || app.radioMode != 0) return;
    if (platform.audio.ChannelIsActive(app.stream) != audio::Stopped) return;

    gui::Gui& gui = platform.gui;
    const int rows = gui.ListRowCount(ui::TrackList);
    if (rows == 0) return;  // an empty list has nothing to advance to
    int next = gui.ListSelection(ui::TrackList) + 1;
    // Past the last row, start again from the top: the entry there may still
    // hold a URL of an earlier, longer search.
    if (next >= rows) next = 0;
    app.currentIndex = next;
    gui.ListSelect(ui::TrackList, next);
    if (app.sourceKind == 0)
        actions.playResult(app, platform, next);
    else if (app.sourceKind == 1)
        actions.playLocalFile(app, platform);
}

AfterDispatch Dispatch(AppState& app, Platform& platform, const gui::Event& event,
                       const Actions& actions) {
    switch (event.kind) {
        case gui::EventKind::FilesDropped:
            DropFiles(app, platform, event, actions);
            break;
        case gui::EventKind::CloseRequest:
            return HandleCloseRequest(app, platform, event.window, actions);
        case gui::EventKind::ControlEvent:
            DispatchControlEvent(app, platform, event, actions);
            break;
        default:
            break;
    }
    return AfterDispatch::Continue;
}

void TogglePause(AppState& app, Platform& platform) {
    app.paused = app.paused == 0 ? 1 : 0;
    if (app.paused == 1)
        platform.audio.ChannelPause(app.stream);
    else
        platform.audio.ChannelPlay(app.stream, false);
}

void SeekToPointer(AppState& app, Platform& platform) {
    app.radioMode = 0;
    const std::int32_t offset =
        platform.gui.PointerClientX(ui::MainWindow) - platform.gui.ControlX(ui::SeekBar);
    constexpr std::int32_t kSeekBarWidth = 340;
    // A signed 32-bit product; computed wide so that a wrap is defined, not undefined.
    const std::int64_t product = std::int64_t{offset} * (app.trackLengthBytes / kSeekBarWidth);
    app.seekBytes = static_cast<std::int32_t>(product);
    platform.audio.ChannelSetPosition(app.stream, std::int64_t{app.seekBytes});
}

AfterDispatch HandleCloseRequest(AppState& app, Platform& platform, int window, const Actions& actions) {
    // The partly written file stays on disk.
    if (actions.downloadRunning(app)) actions.endDownload(app);
    platform.gui.ShowWindow(ui::DownloadWindow, false);
    return window == ui::MainWindow ? AfterDispatch::Exit : AfterDispatch::Continue;
}
