// The actions of the other subsystems that the dispatch and AutoAdvance call.
// The defaults are the real actions; tests put recorders in their place.
#pragma once

#include <functional>

#include "app/AppState.h"
#include "app/Platform.h"

struct Actions {
    using Action = std::function<void(AppState&, Platform&)>;

    Action startSearch;
    Action openLocalFile;          // the file chooser
    Action openLocalFileFromDrop;  // folderPath holds the dropped paths
    Action showRadioGenres;
    Action openGenre;
    Action openStation;
    Action openDownloadDialog;
    Action startDownload;
    std::function<void(AppState&, Platform&, int row)> playResult;
    Action playLocalFile;
    std::function<bool(AppState&)> downloadRunning;
    std::function<void(AppState&)> endDownload;
};

Actions RealActions();
