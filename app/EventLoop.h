// The main thread's life after start-up: one event per turn until MainWindow
// asks to be closed, then the exit sequence.
#pragma once

#include "app/Actions.h"
#include "app/AppState.h"
#include "app/Platform.h"

// Returns the process's exit code, 0. The Shell from StartUp is released by
// its owner afterwards.
int RunEventLoop(AppState& app, Platform& platform);
int RunEventLoop(AppState& app, Platform& platform, const Actions& actions);
