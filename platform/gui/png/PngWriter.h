// Our pixel buffer as a PNG file, for the picture generator and screenshots.
#pragma once

#include <string>

#include "platform/gui/Picture.h"

namespace png {

// Writes 8-bit RGBA; false when the file cannot be written.
bool WritePngFile(const gui::Picture& picture, const std::string& path);

}  // namespace png
