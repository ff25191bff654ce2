// The fixed layout: the pictures, the font, and the two windows with every
// control the program ever uses. Nothing is created after start-up.
#pragma once

#include <vector>

#include "platform/gui/Gui.h"

// PNG data of the four pictures stored in the program.
struct StoredPictureData {
    std::vector<unsigned char> background, knob, volumeTrack, playPause;
};

void CreatePicturesAndFont(gui::Gui& gui, const StoredPictureData& stored);

// A window that cannot be opened gets no controls; returns whether it opened.
bool BuildMainWindow(gui::Gui& gui);
bool BuildDownloadWindow(gui::Gui& gui);
