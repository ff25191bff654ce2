// A picture is our own pixel buffer: 8-bit RGBA, rows top to bottom. Created
// pictures are opaque black; stored pictures keep their transparency.
#pragma once

#include <cstdint>
#include <vector>

namespace gui {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

class Picture {
public:
    Picture() = default;
    Picture(int width, int height) : width_(width), height_(height), pixels_(Count(width, height)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }

    Rgba At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgba p) { pixels_[Index(x, y)] = p; }
    Rgba* data() { return pixels_.data(); }
    const Rgba* data() const { return pixels_.data(); }

    // Clipped to the picture; a rectangle with nothing left inside draws nothing.
    void FillRectangle(int x, int y, int w, int h, Rgb colour);
    // Draws source with its top-left at (x, y), blending by the source's alpha.
    void DrawPicture(const Picture& source, int x, int y);

private:
    static std::size_t Count(int w, int h) {
        return w > 0 && h > 0 ? static_cast<std::size_t>(w) * static_cast<std::size_t>(h) : 0;
    }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

}  // namespace gui
