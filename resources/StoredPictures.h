// The PNG data built into the program: the four stored pictures and the icon.
#pragma once

#include <vector>

namespace resources {

std::vector<unsigned char> BackgroundImagePng();
std::vector<unsigned char> KnobImagePng();
std::vector<unsigned char> VolumeTrackImagePng();
std::vector<unsigned char> PlayPauseImagePng();

// The application icon at 16, 32, 48 and 256 pixels, smallest first.
std::vector<std::vector<unsigned char>> IconPngs();

}  // namespace resources
