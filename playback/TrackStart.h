// Starting a list row: a search result by its index, or the selected local file.
#pragma once

#include "app/AppState.h"
#include "app/Platform.h"

void PlayResult(AppState& app, Platform& platform, int row);
void PlayLocalFile(AppState& app, Platform& platform);
