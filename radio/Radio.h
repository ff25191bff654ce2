// Internet radio in TrackList: the genre list, a genre's stations, and
// starting a station.
#pragma once

#include "app/AppState.h"
#include "app/Platform.h"

void ShowRadioGenres(AppState& app, Platform& platform);
void OpenGenre(AppState& app, Platform& platform);    // the genre at currentIndex
void OpenStation(AppState& app, Platform& platform);  // the station at currentIndex
