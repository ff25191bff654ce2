#include "playback/TrackStart.h"

#include "app/Controls.h"
#include "playback/PathParts.h"
#include "search/TextOperations.h"

namespace {

constexpr int kResultTitleLength = 20;
constexpr int kLocalTitleLength = 25;

std::string ShortTitle(const std::string& rowText, int length) { return HeadText(rowText, length) + "..."; }

}  // namespace

// Nothing is checked: a stream that fails to open leaves handle 0, and the
// auto-advance moves past it on its next pass.
void PlayResult(AppState& app, Platform& platform, int row) {
    audio::AudioEngine& audio = platform.audio;
    const std::string url = app.trackUrls[row];  // past the capacity: empty, so creation fails
    audio.StreamFree(app.stream);
    app.stream = audio.StreamCreateUrl(url);
    audio.ChannelPlay(app.stream, false);

    app.workText = ShortTitle(platform.gui.ListRowText(ui::TrackList, row), kResultTitleLength);
    platform.gui.SetWindowTitle(ui::MainWindow, app.workText);
    audio.ChannelSetAttribute(app.stream, audio::kAttributeVolume, app.volumeGain);
    app.trackStarted = 1;
    app.sourceKind = 0;
}

void PlayLocalFile(AppState& app, Platform& platform) {
    audio::AudioEngine& audio = platform.audio;
    gui::Gui& gui = platform.gui;
    // No selection reads as an empty row, leaving the folder alone: that fails to open.
    const std::string rowText = gui.ListRowText(ui::TrackList, gui.ListSelection(ui::TrackList));
    const std::string path = PathPart(ChosenFilePath(app.folderPath)) + rowText;

    audio.StreamFree(app.stream);
    app.stream = audio.StreamCreateFile(path);
    audio.ChannelPlay(app.stream, false);

    app.workText = rowText;
    gui.SetWindowTitle(ui::MainWindow, ShortTitle(app.workText, kLocalTitleLength));
    audio.ChannelSetAttribute(app.stream, audio::kAttributeVolume, app.volumeGain);
    app.trackStarted = 1;
    app.sourceKind = 1;
}
