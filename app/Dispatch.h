// One event's work in the loop: AutoAdvance before it, the dispatch by kind,
// control, event type and mode flags, and the shell's own actions.
#pragma once

#include "app/Actions.h"
#include "app/AppState.h"
#include "app/Platform.h"
#include "platform/gui/Gui.h"

enum class AfterDispatch { Continue, Exit };

// Starts the next list row when the stream has stopped, a track was started
// and the list is not in radio mode.
void AutoAdvance(AppState& app, Platform& platform, const Actions& actions);

// Exit when MainWindow asked to be closed.
AfterDispatch Dispatch(AppState& app, Platform& platform, const gui::Event& event,
                       const Actions& actions);

void TogglePause(AppState& app, Platform& platform);
void SeekToPointer(AppState& app, Platform& platform);
AfterDispatch HandleCloseRequest(AppState& app, Platform& platform, int window, const Actions& actions);
