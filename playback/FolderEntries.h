// The playable entries of a local folder, as the list shows them.
#pragma once

#include <string>
#include <vector>

// Names (Windows-1251) in the order the file system returns them whose last
// four characters, lower-cased, are ".wav", ".mp3" or ".mid"; folders so named
// count too. folder is a path part ("" for the current directory). A folder
// that cannot be read gives no names.
std::vector<std::string> PlayableNames(const std::string& folder);
