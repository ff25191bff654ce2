// The scan of a downloaded search result page: stream, title and duration
// lines cut apart with fixed markers into trackUrls, trackTitles and the rows
// of TrackList. Kept apart from the download so it can be run on any file.
#pragma once

#include <string>

#include "app/AppState.h"
#include "platform/gui/Gui.h"

// Counters of one scan; each advances only for its own kind of line.
struct ScanCounts {
    int urls = 0;
    int titles = 0;
    int rows = 0;
};

// Appends rows to TrackList (it does not empty it). A file that cannot be
// opened adds nothing.
ScanCounts ScanResultPage(AppState& app, gui::Gui& gui, const std::string& path);

// The first-column text of result row `row`: number, padding, title.
std::string ResultRowLabel(int row, const std::string& title);
