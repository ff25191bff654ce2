// The demo service's tracks: who, what, and how each one is made.
#pragma once

#include <string>
#include <vector>

#include "tools/demo-service/Music.h"

namespace demo {

struct Track {
    std::string artist, title;  // Windows-1251, as the page carries them
    int ownerId = 0;            // field 2 of the stream line
    std::string key;            // field 3: the file name under /u<owner>/audio/
    PieceSpec piece;
};

std::vector<Track> DemoCatalogue();

// "1:05" for 65 seconds.
std::string DurationText(int seconds);

}  // namespace demo
