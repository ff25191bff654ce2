#include "playback/LocalFolder.h"

#include <algorithm>

#include "app/Controls.h"
#include "playback/FolderEntries.h"
#include "playback/PathParts.h"
#include "playback/TrackStart.h"

namespace {

void ListAndPlay(AppState& app, Platform& platform) {
    LoadFolderList(app, platform);
    PlayLocalFile(app, platform);
    app.radioMode = 0;
    app.radioLevel = 0;
}

}  // namespace

void OpenLocalFile(AppState& app, Platform& platform) {
    app.folderPath = platform.gui.OpenFileDialog("*.*|*.*");  // empty when cancelled
    ListAndPlay(app, platform);
}

void OpenLocalFileFromDrop(AppState& app, Platform& platform) { ListAndPlay(app, platform); }

void LoadFolderList(AppState& app, Platform& platform) {
    gui::Gui& gui = platform.gui;
    const std::string chosen = ChosenFilePath(app.folderPath);
    gui.ListClear(ui::TrackList);
    const std::vector<std::string> names = PlayableNames(PathPart(chosen));
    for (const std::string& name : names) gui.ListAppend(ui::TrackList, name);

    // Every row is searched, however long the folder: the chosen file is the
    // one selected, or none is.
    app.workText = FilePart(chosen);
    const auto found = std::find(names.begin(), names.end(), app.workText);
    gui.ListSelect(ui::TrackList, found == names.end() ? -1 : static_cast<int>(found - names.begin()));
}
