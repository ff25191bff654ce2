// The search result page, in the markup the player's scan cuts apart: per
// track a stream line (playimg), a title line (performer) and a duration line.
#pragma once

#include <string>
#include <vector>

#include "tools/demo-service/Catalogue.h"

namespace demo {

// Every track is listed, those that share words with the query first. The
// query and the page are Windows-1251.
std::string ResultPage(const std::vector<Track>& tracks, const std::string& query);

// Title text with the character references a result page uses.
std::string PageText(const std::string& cp1251);

}  // namespace demo
