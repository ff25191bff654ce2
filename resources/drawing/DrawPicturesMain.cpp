// Writes the stored pictures and the icons as PNG files:
//   melovia_draw_pictures <resources folder>
// Run it after changing the drawing code and commit the files it writes.
#include <cstdio>
#include <string>

#include "platform/gui/png/PngWriter.h"
#include "resources/drawing/StoredPictureDrawing.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    struct Output {
        gui::Picture picture;
        std::string path;
    };
    const Output outputs[] = {
        {resources::DrawBackgroundImage(), "/pictures/BackgroundImage.png"},
        {resources::DrawKnobImage(), "/pictures/KnobImage.png"},
        {resources::DrawVolumeTrackImage(), "/pictures/VolumeTrackImage.png"},
        {resources::DrawPlayPauseImage(), "/pictures/PlayPauseImage.png"},
        {resources::DrawIcon(16), "/icons/melovia-16.png"},
        {resources::DrawIcon(32), "/icons/melovia-32.png"},
        {resources::DrawIcon(48), "/icons/melovia-48.png"},
        {resources::DrawIcon(256), "/icons/melovia-256.png"},
    };
    int failures = 0;
    for (const Output& out : outputs) {
        if (!png::WritePngFile(out.picture, root + out.path)) {
            std::fprintf(stderr, "cannot write %s%s\n", root.c_str(), out.path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
