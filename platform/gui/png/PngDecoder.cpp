#include "platform/gui/png/PngDecoder.h"

#include <png.h>

#include <cstdint>

namespace png {
namespace {

// Stored pictures are small; anything larger is a damaged or hostile header.
constexpr std::uint32_t kMaxSide = 16384;

// png_image holds libpng's state until it is freed, also after an error.
struct ImageReader {
    png_image image{};
    ImageReader() { image.version = PNG_IMAGE_VERSION; }
    ~ImageReader() { png_image_free(&image); }
    ImageReader(const ImageReader&) = delete;
    ImageReader& operator=(const ImageReader&) = delete;
};

}  // namespace

std::optional<gui::Picture> DecodePng(const std::vector<unsigned char>& data) {
    if (data.empty()) return std::nullopt;
    ImageReader reader;
    if (!png_image_begin_read_from_memory(&reader.image, data.data(), data.size()))
        return std::nullopt;
    if (reader.image.width == 0 || reader.image.height == 0 || reader.image.width > kMaxSide ||
        reader.image.height > kMaxSide)
        return std::nullopt;
    reader.image.format = PNG_FORMAT_RGBA;
    gui::Picture picture(static_cast<int>(reader.image.width),
                         static_cast<int>(reader.image.height));
    static_assert(sizeof(gui::Rgba) == 4, "gui::Rgba must be packed RGBA bytes");
    if (!png_image_finish_read(&reader.image, nullptr, picture.data(), 0, nullptr))
        return std::nullopt;
    return picture;
}

}  // namespace png
