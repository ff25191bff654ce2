#include "platform/gui/png/PngWriter.h"

#include <png.h>

namespace png {

bool WritePngFile(const gui::Picture& picture, const std::string& path) {
    if (picture.empty()) return false;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width());
    image.height = static_cast<png_uint_32>(picture.height());
    image.format = PNG_FORMAT_RGBA;
    const int ok = png_image_write_to_file(&image, path.c_str(), 0, picture.data(), 0, nullptr);
    png_image_free(&image);
    return ok != 0;
}

}  // namespace png
