#include "app/Skin.h"
#include "app/StartUp.h"
#include "resources/StoredPictures.h"

Shell StartUp(AppState& app, Platform& platform) {
    StartUpSources sources;
    sources.skinLibraryCandidates = SkinLibraryCandidates();
    sources.pictures = {resources::BackgroundImagePng(), resources::KnobImagePng(),
                        resources::VolumeTrackImagePng(), resources::PlayPauseImagePng()};
    return StartUp(app, platform, sources);
}
