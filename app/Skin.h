// The optional skin library: loaded before any window exists, told to load
// its skin file, and told to unload it at exit.
#pragma once

#include <filesystem>
#include <vector>

#include "app/AppState.h"
#include "platform/library/SharedLibrary.h"

inline constexpr const char* kSkinLibraryName = "libSkinFeature.so";
inline constexpr const char* kSkinFileName = "Melovia Umbrel.rss";

// Next to the executable first, then the system's library search.
std::vector<std::filesystem::path> SkinLibraryCandidates();

// Tries the candidates in order and uses the first that loads and exports
// InitializeSkin, LoadSkinFile and UnLoadSkin; calls the first two, keeps the
// third in unloadSkinEntry. Returns 1 when a library is in use, else 0; the
// library stays in `loaded` (empty when none is used).
int LoadSkin(AppState& app, library::SharedLibrary& loaded,
             const std::vector<std::filesystem::path>& candidates);

// The first step of the exit sequence.
void UnloadSkin(AppState& app);
