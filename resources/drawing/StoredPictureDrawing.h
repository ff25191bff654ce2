// Draws the program's stored pictures and its icon. The generator writes them
// as the PNG files in resources/, and a test checks that those files still
// match what this code draws. Pure integer and fixed-sample arithmetic, so the
// output is the same on every machine.
#pragma once

#include "platform/gui/Picture.h"

namespace resources {

gui::Picture DrawBackgroundImage();   // 400 x 530, opaque
gui::Picture DrawKnobImage();         // 15 x 16, transparent around the knob
gui::Picture DrawVolumeTrackImage();  // 117 x 16, opaque
gui::Picture DrawPlayPauseImage();    // 35 x 16, the word "Stop" on transparency
gui::Picture DrawIcon(int size);      // size x size

}  // namespace resources
