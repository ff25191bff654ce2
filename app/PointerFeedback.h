// The hand pointer over VolumeSlider, PlayPauseButton and SeekBar, and the
// volume drag. Both procedures act on mouse moves only and go by where the
// pointer is now, on the screen, not by what the event carried.
#pragma once

#include "app/AppState.h"
#include "app/Platform.h"

// Whether the pointer lies inside the control's current screen rectangle.
bool CursorOverWindow(Platform& platform, int control);

void HandleVolumeDrag(AppState& app, Platform& platform, gui::EventKind eventKind);
void UpdateHoverCursor(Platform& platform, gui::EventKind eventKind);
