#include "app/Skin.h"

#include <system_error>

namespace {

extern "C" {
using InitializeSkinEntry = void (*)();
using LoadSkinFileEntry = void (*)(const char*, const char*);
using UnLoadSkinEntry = void (*)();
}

}  // namespace

std::vector<std::filesystem::path> SkinLibraryCandidates() {
    std::vector<std::filesystem::path> candidates;
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) candidates.push_back(executable.parent_path() / kSkinLibraryName);
    candidates.emplace_back(kSkinLibraryName);
    return candidates;
}

int LoadSkin(AppState& app, library::SharedLibrary& loaded,
             const std::vector<std::filesystem::path>& candidates) {
    for (const auto& candidate : candidates) {
        std::optional<library::SharedLibrary> skin = library::SharedLibrary::Open(candidate);
        if (!skin) continue;
        const auto initialize = skin->Find<InitializeSkinEntry>("InitializeSkin");
        const auto loadFile = skin->Find<LoadSkinFileEntry>("LoadSkinFile");
        const auto unload = skin->Find<UnLoadSkinEntry>("UnLoadSkin");
        // The calls need all three; a library without one of them is not used.
        if (initialize == nullptr || loadFile == nullptr || unload == nullptr) continue;

        app.unloadSkinEntry = unload;
        initialize();
        loadFile(kSkinFileName, "");
        loaded = std::move(*skin);
        return 1;
    }
    loaded.Release();
    return 0;
}

void UnloadSkin(AppState& app) {
    if (app.skinLoaded == 1 && app.unloadSkinEntry != nullptr) app.unloadSkinEntry();
}
