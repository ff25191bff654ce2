// The online search: the request for the query in SearchBox, and the scan of
// the result page into trackUrls, trackTitles and the rows of TrackList.
#pragma once

#include <string>

#include "app/AppState.h"
#include "app/Platform.h"

void StartSearch(AppState& app, Platform& platform);
void SearchOnline(AppState& app, Platform& platform, const std::string& requestUrl);
