#include "playback/DisplayRefresh.h"
#include "playback/LocalFolder.h"
#include "playback/TrackStart.h"

void PlayResult(AppState&, Platform&, int) {}
void PlayLocalFile(AppState&, Platform&) {}
void OpenLocalFile(AppState&, Platform&) {}
void OpenLocalFileFromDrop(AppState&, Platform&) {}
void LoadFolderList(AppState&, Platform&) {}
void RefreshDisplay(AppState&, Platform&) {}
