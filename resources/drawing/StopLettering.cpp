// The word "Stop" of the play/pause picture, from a small hand-made pixel font
// so the picture never depends on the fonts of the machine that draws it.
#include <array>
#include <string_view>

#include "resources/drawing/StoredPictureDrawing.h"

namespace resources {
namespace {

struct Glyph {
    int top;  // rows below the cap line
    std::array<std::string_view, 9> rows;
};

// Strokes two pixels wide; cap height 9, x-height 6, descender 3.
constexpr Glyph kS{
    0, {".####.", "##..##", "##....", "###...", ".####.", "...###", "....##", "##..##", ".####."}};
constexpr Glyph kT{1, {".##.", ".##.", "####", ".##.", ".##.", ".##.", ".##.", "..##", ""}};
constexpr Glyph kO{3, {".####.", "##..##", "##..##", "##..##", "##..##", ".####.", "", "", ""}};
constexpr Glyph kP{
    3, {"#####.", "##..##", "##..##", "##..##", "##..##", "#####.", "##....", "##....", "##...."}};

constexpr int kWidth = 35, kHeight = 16;
constexpr int kCapLine = 2;

using Mask = std::array<std::array<bool, kWidth>, kHeight>;

Mask WordMask() {
    Mask mask{};
    int x = 5;  // centres the 25-pixel word
    for (const Glyph* glyph : {&kS, &kT, &kO, &kP}) {
        for (std::size_t row = 0; row < glyph->rows.size(); ++row)
            for (std::size_t col = 0; col < glyph->rows[row].size(); ++col)
                if (glyph->rows[row][col] == '#') mask[kCapLine + glyph->top + row][x + col] = true;
        x += static_cast<int>(glyph->rows[0].size()) + 1;
    }
    return mask;
}

}  // namespace

gui::Picture DrawPlayPauseImage() {
    const Mask mask = WordMask();
    const auto on = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kWidth && y < kHeight && mask[y][x];
    };
    gui::Picture p(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            gui::Rgba pixel{0, 0, 0, 0};
            if (on(x, y)) {
                // Edges facing the light (above and left) are lighter.
                pixel = on(x, y - 1) && on(x - 1, y) ? gui::Rgba{78, 76, 75, 255}
                                                     : gui::Rgba{97, 95, 94, 255};
            } else if (on(x - 1, y - 1)) {
                pixel = {0, 0, 0, 150};
            } else if (on(x, y - 1) || on(x - 1, y) || on(x - 2, y - 2)) {
                pixel = {0, 0, 0, 60};
            }
            p.Set(x, y, pixel);
        }
    }
    return p;
}

}  // namespace resources
