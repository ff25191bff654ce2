// PNG data to our own pixel buffer, with libpng's simplified API. Qt-free, so
// the in-memory test toolkit and the generator of the stored pictures share it.
#pragma once

#include <optional>
#include <vector>

#include "platform/gui/Picture.h"

namespace png {

// Any PNG colour type becomes 8-bit RGBA; nothing when the data is not a
// readable PNG (truncated, corrupt or absurdly large).
std::optional<gui::Picture> DecodePng(const std::vector<unsigned char>& data);

}  // namespace png
