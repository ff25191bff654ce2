// Downloading a search result to an ".mp3" file: the dialog and its worker.
#pragma once

#include "app/AppState.h"
#include "app/Platform.h"

void OpenDownloadDialog(AppState& app, Platform& platform);  // for the row at currentIndex
void StartDownload(AppState& app, Platform& platform);

// The worker started by StartDownload: whether it still runs, and ending it
// so that it releases its connection and file before this returns.
bool DownloadRunning(AppState& app);
void EndDownload(AppState& app);
