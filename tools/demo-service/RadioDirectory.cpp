#include "tools/demo-service/RadioDirectory.h"

#include "platform/text/Cp1251.h"
#include "search/TextOperations.h"

namespace demo {

std::vector<std::string> DemoGenres() { return {"Ambient", "Jazz", "Chillout", "Lounge", "Classical"}; }

std::vector<Station> DemoStations(std::size_t trackCount) {
    const char* names[][3] = {
        {"Drift FM", "Slow Tide Radio", "Радио «Туман»"},
        {"Blue Room Jazz", "Late Night Swing", "Джаз на Неве"},
        {"Chill Harbour", "Sunset Lounge FM", "Радио Прохлада"},
        {"Velvet Lounge", "Cocktail Hour", "Бархатный вечер"},
        {"Quiet Strings", "Morning Sonata", "Радио Классика"},
    };
    const auto genres = DemoGenres();
    std::vector<Station> stations;
    for (std::size_t g = 0; g < genres.size(); ++g)
        for (std::size_t s = 0; s < 3; ++s) {
            Station station{text::Cp1251FromUtf8(names[g][s]), genres[g], {}};
            for (std::size_t k = 0; k < 5 && trackCount > 0; ++k)
                station.tracks.push_back((g * 7 + s * 3 + k * 4) % trackCount);
            stations.push_back(std::move(station));
        }
    for (const char* mix : {"Melovia Mix", "Всё подряд"}) {
        Station station{text::Cp1251FromUtf8(mix), "", {}};
        for (std::size_t k = 0; k < trackCount; ++k) station.tracks.push_back(k);
        stations.push_back(std::move(station));
    }
    return stations;
}

std::string GenrePage(const std::vector<Station>& stations, const std::string& genre) {
    bool known = false;
    for (const Station& s : stations) known = known || (!s.genre.empty() && LowerText(s.genre) == LowerText(genre));
    std::string page =
        "<!DOCTYPE html>\r\n<html><head><meta charset=\"windows-1251\"><title>Stations</title>"
        "</head>\r\n<body>\r\n<h1>Stations</h1>\r\n";
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const Station& s = stations[i];
        const bool listed = known ? LowerText(s.genre) == LowerText(genre) : s.genre.empty();
        if (!listed) continue;
        const std::string n = std::to_string(i);
        page += "<div class=\"station\">\r\n";
        page += "<span class=\"name\"><a href=\"#\" onclick=\"listen(" + n + ");\">" + s.name +
                "</a></span>\r\n";
        page += "<p>[ <a href=\"/station/" + n + ".pls\">PLS</a> ]</p>\r\n";
        page += "</div>\r\n";
    }
    page += "</body></html>\r\n";
    return page;
}

std::string PlaylistFor(std::size_t station, const std::string& serviceBaseUrl) {
    // The player streams the first line as it stands.
    return serviceBaseUrl + "/stream/" + std::to_string(station) + "\r\n";
}

}  // namespace demo
