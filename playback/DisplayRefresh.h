// The 55 ms redraw of time, volume, spectrum and seek bar from the stream.
#pragma once

#include "app/AppState.h"
#include "app/Platform.h"

void RefreshDisplay(AppState& app, Platform& platform);
