#include "app/PointerFeedback.h"

#include <algorithm>

#include "app/Controls.h"

bool CursorOverWindow(Platform& platform, int control) {
    const gui::Rect rect = platform.gui.ControlScreenRect(control);
    const gui::Point pointer = platform.gui.PointerOnScreen();
    return rect.left <= pointer.x && pointer.x < rect.right && rect.top <= pointer.y &&
           pointer.y < rect.bottom;
}

void HandleVolumeDrag(AppState& app, Platform& platform, gui::EventKind eventKind) {
    if (eventKind != gui::EventKind::MouseMove || !CursorOverWindow(platform, ui::VolumeSlider)) return;
    platform.gui.SetHandPointer();
    // The first answer may still report a press released before now; only the second counts.
    platform.gui.LeftButtonHeld();
    if (!platform.gui.LeftButtonHeld()) return;
    // Puts the pointer one pixel right of the middle column of the 15-pixel knob.
    const int level = platform.gui.PointerClientX(ui::MainWindow) - platform.gui.ControlX(ui::VolumeSlider) - 8;
    app.volumeLevel = std::clamp(level, 0, 101);
}

void UpdateHoverCursor(Platform& platform, gui::EventKind eventKind) {
    if (eventKind != gui::EventKind::MouseMove) return;
    if (CursorOverWindow(platform, ui::PlayPauseButton) || CursorOverWindow(platform, ui::SeekBar))
        platform.gui.SetHandPointer();
}
