// Local files: choosing or dropping a file lists its folder and plays it.
#pragma once

#include "app/AppState.h"
#include "app/Platform.h"

void OpenLocalFile(AppState& app, Platform& platform);          // the file chooser
void OpenLocalFileFromDrop(AppState& app, Platform& platform);  // folderPath holds the drop
void LoadFolderList(AppState& app, Platform& platform);
