#include "platform/gui/Picture.h"

#include <algorithm>

namespace gui {

void Picture::FillRectangle(int x, int y, int w, int h, Rgb colour) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    // Widen before adding so huge rectangles cannot overflow.
    const int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, width_));
    const int bottom = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, height_));
    for (int row = top; row < bottom; ++row)
        for (int col = left; col < right; ++col) Set(col, row, {colour.r, colour.g, colour.b, 255});
}

void Picture::DrawPicture(const Picture& source, int x, int y) {
    for (int sy = 0; sy < source.height(); ++sy) {
        const int dy = y + sy;
        if (dy < 0 || dy >= height_) continue;
        for (int sx = 0; sx < source.width(); ++sx) {
            const int dx = x + sx;
            if (dx < 0 || dx >= width_) continue;
            const Rgba s = source.At(sx, sy);
            const Rgba d = At(dx, dy);
            const auto blend = [a = s.a](std::uint8_t top, std::uint8_t below) {
                return static_cast<std::uint8_t>((top * a + below * (255 - a) + 127) / 255);
            };
            Set(dx, dy, {blend(s.r, d.r), blend(s.g, d.g), blend(s.b, d.b),
                         static_cast<std::uint8_t>(s.a + (d.a * (255 - s.a) + 127) / 255)});
        }
    }
}

}  // namespace gui
