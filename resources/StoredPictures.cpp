#include "resources/StoredPictures.h"

#include <cstddef>

// Arrays written into the build directory from the PNG files by EmbedFile.cmake.
namespace resources::embedded {
#define MELOVIA_EMBEDDED(name)         \
    extern const unsigned char name[]; \
    extern const std::size_t name##Size;
MELOVIA_EMBEDDED(BackgroundImage)
MELOVIA_EMBEDDED(KnobImage)
MELOVIA_EMBEDDED(VolumeTrackImage)
MELOVIA_EMBEDDED(PlayPauseImage)
MELOVIA_EMBEDDED(Icon16)
MELOVIA_EMBEDDED(Icon32)
MELOVIA_EMBEDDED(Icon48)
MELOVIA_EMBEDDED(Icon256)
#undef MELOVIA_EMBEDDED
}  // namespace resources::embedded

namespace resources {
namespace {

std::vector<unsigned char> Bytes(const unsigned char* data, std::size_t size) {
    return std::vector<unsigned char>(data, data + size);
}

}  // namespace

using namespace embedded;

std::vector<unsigned char> BackgroundImagePng() {
    return Bytes(BackgroundImage, BackgroundImageSize);
}
std::vector<unsigned char> KnobImagePng() {
    return Bytes(KnobImage, KnobImageSize);
}
std::vector<unsigned char> VolumeTrackImagePng() {
    return Bytes(VolumeTrackImage, VolumeTrackImageSize);
}
std::vector<unsigned char> PlayPauseImagePng() {
    return Bytes(PlayPauseImage, PlayPauseImageSize);
}

std::vector<std::vector<unsigned char>> IconPngs() {
    return {Bytes(Icon16, Icon16Size), Bytes(Icon32, Icon32Size), Bytes(Icon48, Icon48Size),
            Bytes(Icon256, Icon256Size)};
}

}  // namespace resources
