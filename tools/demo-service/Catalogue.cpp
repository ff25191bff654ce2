#include "tools/demo-service/Catalogue.h"

#include <cstdio>

#include "platform/text/Cp1251.h"

namespace demo {
namespace {

struct Entry {
    const char* artist;  // UTF-8 here, Windows-1251 in the catalogue
    const char* title;
    int seconds;
    int root;
    bool minor;
    double bpm;
    std::vector<int> progression;
    int brightness;
    bool kick;
};

// A few are short so that moving on to the next row is heard quickly.
const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries = {
        {"Northwind Quartet", "Harbour Lights Remix", 15, 60, false, 104, {0, 4, 5, 3}, 2, true},
        {"Белые ночи", "«Тихая гавань»", 12, 57, true, 84, {0, 5, 2, 6}, 1, false},
        {"Lumen Drive", "Don't Look Back", 18, 62, false, 112, {0, 3, 4, 4}, 3, true},
        {"Mode Seven", "Glass Garden Remix", 14, 64, true, 96, {0, 3, 6, 4}, 2, true},
        {"Оркестр «Полдень»", "Вальс на рассвете", 20, 65, false, 90, {0, 1, 4, 0}, 1, false},
        {"Clara Finch", "Paper Boats", 11, 67, false, 100, {0, 5, 3, 4}, 2, false},
        {"The Velvet Hours", "\"Midnight Tram\"", 64, 58, true, 78, {0, 5, 6, 4}, 1, true},
        {"Kite Theory", "Summer Without End…", 72, 62, false, 118, {0, 4, 5, 3}, 3, true},
        {"Северный ветер", "Дорога домой Remix", 58, 60, true, 100, {0, 6, 5, 4}, 2, true},
        {"Dune Echo", "Slow River", 80, 55, false, 70, {0, 3, 0, 4}, 0, false},
        {"Amber Coast", "Lanterns Remix", 45, 63, false, 108, {5, 3, 0, 4}, 2, true},
        {"Полина Лесная", "Весенний дождь", 66, 64, false, 92, {0, 2, 3, 4}, 1, false},
        {"Orchid Lane", "Sunday Morning", 52, 65, false, 88, {0, 3, 1, 4}, 2, false},
        {"Static Bloom", "Night Mode Remix", 75, 57, true, 122, {0, 5, 3, 4}, 3, true},
        {"Пётр Звонарёв", "Колыбельная", 48, 60, false, 66, {0, 5, 3, 4}, 0, false},
        {"Maple Circuit", "Golden Hour", 88, 62, false, 96, {0, 4, 3, 4}, 2, true},
        {"Willow Street Band", "Hello, Stranger!", 42, 67, false, 126, {0, 3, 4, 0}, 3, true},
        {"Silver Fern", "Ocean Letters Remix", 60, 59, true, 86, {0, 3, 4, 0}, 1, true},
        {"Ансамбль «Лира»", "Зимний сад", 55, 62, true, 76, {0, 5, 3, 6}, 1, false},
        {"Morning Static", "$5 Coffee", 40, 65, false, 114, {0, 4, 1, 3}, 3, true},
    };
    return entries;
}

}  // namespace

std::vector<Track> DemoCatalogue() {
    std::vector<Track> tracks;
    unsigned number = 0;
    for (const Entry& e : Entries()) {
        ++number;
        Track t;
        t.artist = text::Cp1251FromUtf8(e.artist);
        t.title = text::Cp1251FromUtf8(e.title);
        t.ownerId = 2000 + 37 * static_cast<int>(number);
        char key[16];
        std::snprintf(key, sizeof key, "%08x", number * 2654435761u);
        t.key = key;
        t.piece.rootNote = e.root;
        t.piece.minor = e.minor;
        t.piece.beatsPerMinute = e.bpm;
        t.piece.seconds = e.seconds;
        t.piece.seed = number;
        t.piece.progression = e.progression;
        t.piece.leadBrightness = e.brightness;
        t.piece.softKick = e.kick;
        tracks.push_back(std::move(t));
    }
    return tracks;
}

std::string DurationText(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

}  // namespace demo
