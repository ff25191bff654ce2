// The radio part of the demo service: genre pages listing stations, one
// playlist per station whose first line is the station's stream address, and
// the stations themselves, which play catalogue tracks round and round.
#pragma once

#include <string>
#include <vector>

namespace demo {

struct Station {
    std::string name;   // Windows-1251
    std::string genre;  // as in the genre file
    std::vector<std::size_t> tracks;  // catalogue indices, played in turn
};

std::vector<std::string> DemoGenres();
std::vector<Station> DemoStations(std::size_t trackCount);

// The stations of a genre (matched without regard to case); a genre the
// directory does not know lists the mixed stations.
std::string GenrePage(const std::vector<Station>& stations, const std::string& genre);
std::string PlaylistFor(std::size_t station, const std::string& serviceBaseUrl);

}  // namespace demo
