// Start-up: the skin, the initial state, the pictures, both windows with all
// their controls, file drops, the audio engine and the display timer. The
// event loop (app/EventLoop.h) follows.
#pragma once

#include <filesystem>
#include <vector>

#include "app/AppState.h"
#include "app/Layout.h"
#include "app/Platform.h"
#include "app/Shell.h"

// What start-up loads from outside the code; tests hand in their own.
struct StartUpSources {
    std::vector<std::filesystem::path> skinLibraryCandidates;  // see SkinLibraryCandidates()
    StoredPictureData pictures;
};

// Keep the returned Shell until RunEventLoop has returned: it holds the skin
// library whose UnLoadSkin the exit sequence calls.
[[nodiscard]] Shell StartUp(AppState& app, Platform& platform, const StartUpSources& sources);

// With the pictures built into the program and the skin library looked up
// next to the executable, then by the system's library search.
[[nodiscard]] Shell StartUp(AppState& app, Platform& platform);
