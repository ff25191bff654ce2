#include "resources/drawing/StoredPictureDrawing.h"

#include <cmath>
#include <cstdint>

#include "resources/drawing/Coverage.h"

namespace resources {
namespace {

constexpr gui::Rgb kWindowGrey{16, 16, 16};

gui::Rgb Grey(int level) {
    const auto v = static_cast<std::uint8_t>(level);
    return {v, v, v};
}

// Integer interpolation, rounded to nearest, so the file is reproducible.
int Lerp(int from, int to, int step, int steps) {
    const int span = (to - from) * step;
    return from + (span >= 0 ? (span + steps / 2) / steps : -((-span + steps / 2) / steps));
}

void Row(gui::Picture& p, int y, int fromX, int toX, gui::Rgb colour) {
    p.FillRectangle(fromX, y, toX - fromX + 1, 1, colour);
}

// The band behind the spectrum, the play button and the volume slider, with
// the recessed field the 86 bars stand in.
void DrawBand(gui::Picture& p) {
    const int right = p.width() - 1;
    Row(p, 465, 0, right, Grey(0));
    Row(p, 466, 0, right, Grey(48));
    for (int y = 467; y <= 502; ++y) Row(p, y, 0, right, Grey(Lerp(30, 13, y - 467, 502 - 467)));
    Row(p, 503, 0, right, Grey(26));
    Row(p, 504, 0, right, Grey(3));

    constexpr int left = 13, fieldRight = 190, top = 475, bottom = 495;
    const gui::Rgb rim = Grey(35);
    Row(p, top, left + 2, fieldRight - 2, Grey(0));
    p.Set(left + 1, top + 1, {0, 0, 0, 255});
    p.Set(fieldRight - 1, top + 1, {0, 0, 0, 255});
    Row(p, top + 1, left + 2, fieldRight - 2, kWindowGrey);
    for (int y = top + 2; y <= bottom - 2; ++y) {
        Row(p, y, left, left, rim);
        Row(p, y, left + 1, fieldRight - 1, kWindowGrey);
        Row(p, y, fieldRight, fieldRight, rim);
    }
    Row(p, bottom - 1, left + 1, left + 1, rim);
    Row(p, bottom - 1, left + 2, fieldRight - 2, kWindowGrey);
    Row(p, bottom - 1, fieldRight - 1, fieldRight - 1, rim);
    Row(p, bottom, left + 2, fieldRight - 2, rim);
}

}  // namespace

gui::Picture DrawBackgroundImage() {
    gui::Picture p(400, 530);
    p.FillRectangle(0, 0, p.width(), p.height(), kWindowGrey);
    DrawBand(p);
    return p;
}

gui::Picture DrawVolumeTrackImage() {
    gui::Picture p(117, 16);
    for (int y = 0; y < p.height(); ++y) Row(p, y, 0, p.width() - 1, Grey(Lerp(27, 19, y, 15)));
    // The groove the level fill runs in: rows 5 to 9, ends rounded by one pixel.
    constexpr int left = 2, right = 114;
    Row(p, 4, left + 1, right - 1, Grey(0));
    for (int y = 5; y <= 9; ++y) Row(p, y, left, right, Grey(6));
    for (const int x : {left, right}) {
        p.Set(x, 5, {12, 12, 12, 255});
        p.Set(x, 9, {14, 14, 14, 255});
    }
    Row(p, 10, left + 1, right - 1, Grey(65));
    p.Set(left, 10, {40, 40, 40, 255});
    p.Set(right, 10, {40, 40, 40, 255});
    return p;
}

gui::Picture DrawKnobImage() {
    gui::Picture p(15, 16);
    constexpr double cx = 7.5, cy = 7.5, radius = 7.0;
    const auto sample = [&](double x, double y, SampleSum& sum) {
        const double dx = x - cx, dy = y - cy;
        const double r = std::sqrt(dx * dx + dy * dy);
        if (r <= radius) {
            const double slope = r > 0 ? dy / r : 0;  // -1 at the top, 1 at the bottom
            double shade = 79;                        // the centre disc
            if (r > 6.0)
                shade = 120 - 31 * slope;  // rim, lit from above
            else if (r > 4.5)
                shade = 100 - 12 * slope;  // body
            else if (r > 3.5)
                shade = 128 - 10 * slope;  // inner ring
            sum.Add(shade, shade, shade, 1.0);
            return;
        }
        // Soft shadow one pixel below the knob.
        const double sy = y - (cy + 1.0);
        const double rs = std::sqrt(dx * dx + sy * sy);
        if (rs <= radius) sum.Add(0, 0, 0, 0.5 * std::min(1.0, (radius - rs) / 1.5 + 0.2));
    };
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.Set(x, y, SamplePixel(x, y, sample));
    return p;
}

}  // namespace resources
