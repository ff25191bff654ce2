// All state of the program, in one record that lives for the whole run and
// belongs to the GUI thread. Procedures read and write its fields directly.
#pragma once

#include <cstdint>
#include <string>

#include "app/TextArray.h"
#include "platform/audio/AudioEngine.h"
#include "platform/gui/Gui.h"

using SkinEntry = void (*)();

struct AppState {
    audio::Handle stream = 0;
    std::int32_t volumeLevel = 50;  // knob position, 0 to 101
    float volumeGain = 0.5f;
    std::int32_t trackLengthBytes = 0;
    int trackStarted = 0;  // flags hold 0 or 1
    int sourceKind = 0;    // 0 search results, 1 local files
    int radioMode = 0;
    int radioLevel = 0;    // with radioMode 1: 0 genres, 1 stations
    std::int32_t currentIndex = 0;
    int paused = 0;
    std::uint64_t downloadThread = 0;  // 0 none; platform identifiers start at 1

    gui::EventKind eventKind = gui::EventKind::None;
    std::int32_t eventControl = 0;
    std::int32_t eventWindow = 0;
    std::int32_t seekBytes = 0;

    int skinLoaded = 0;
    SkinEntry unloadSkinEntry = nullptr;

    // Windows-1251 texts.
    std::string workText;
    std::string folderPath;
    std::string searchQuery;
    std::string genreName;
    std::string currentUrl;

    TextArray<111> trackUrls;
    TextArray<111> trackTitles;
    TextArray<91> stationLinks;
};
