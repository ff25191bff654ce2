// The application icon: a beamed pair of notes in the display's gold on a
// dark rounded tile, drawn from one shape description at every size.
#include <algorithm>
#include <cmath>

#include "resources/drawing/Coverage.h"
#include "resources/drawing/StoredPictureDrawing.h"

namespace resources {
namespace {

struct NoteHead {
    double cx, cy;
};

constexpr double kHeadRx = 0.135, kHeadRy = 0.095, kTilt = -0.35;  // radians
constexpr double kStemWidth = 0.065;
constexpr NoteHead kHeads[] = {{0.33, 0.73}, {0.70, 0.65}};
constexpr double kBeamTop[] = {0.20, 0.12};  // top of the beam above each stem
constexpr double kBeamThickness = 0.12;

bool InHead(const NoteHead& h, double x, double y) {
    const double dx = x - h.cx, dy = y - h.cy;
    const double u = dx * std::cos(kTilt) + dy * std::sin(kTilt);
    const double v = -dx * std::sin(kTilt) + dy * std::cos(kTilt);
    return (u * u) / (kHeadRx * kHeadRx) + (v * v) / (kHeadRy * kHeadRy) <= 1.0;
}

double StemRight(const NoteHead& h) {
    return h.cx + kHeadRx * 0.95;
}

bool InNote(double x, double y) {
    for (int i = 0; i < 2; ++i) {
        const NoteHead& h = kHeads[i];
        if (InHead(h, x, y)) return true;
        const double right = StemRight(h);
        if (x >= right - kStemWidth && x <= right && y >= kBeamTop[i] && y <= h.cy) return true;
    }
    // The beam runs between the stems' outer edges, sloping with the heads.
    const double x0 = StemRight(kHeads[0]) - kStemWidth, x1 = StemRight(kHeads[1]);
    if (x < x0 || x > x1) return false;
    const double top = kBeamTop[0] + (kBeamTop[1] - kBeamTop[0]) * (x - x0) / (x1 - x0);
    return y >= top && y <= top + kBeamThickness;
}

bool InTile(double x, double y, double inset) {
    constexpr double radius = 0.2;
    const double lo = inset + radius, hi = 1.0 - inset - radius;
    const double cx = std::clamp(x, lo, hi), cy = std::clamp(y, lo, hi);
    const double dx = x - cx, dy = y - cy;
    return x >= inset && x <= 1 - inset && y >= inset && y <= 1 - inset &&
           dx * dx + dy * dy <= radius * radius;
}

}  // namespace

gui::Picture DrawIcon(int size) {
    gui::Picture p(size, size);
    const double pixel = 1.0 / size;
    const double rimWidth = std::max(pixel, 0.025);
    const auto sample = [&](double px, double py, SampleSum& sum) {
        const double x = px * pixel, y = py * pixel;
        if (!InTile(x, y, 0)) return;
        if (InNote(x, y)) {
            // Lighter towards the top, like the caps of the spectrum bars.
            const double t = std::clamp((0.8 - y) / 0.7, 0.0, 1.0);
            sum.Add(137 + 60 * t, 127 + 62 * t, 98 + 60 * t, 1.0);
        } else if (!InTile(x, y, rimWidth)) {
            sum.Add(48, 48, 48, 1.0);
        } else {
            const double shade = 30 - 16 * y;
            sum.Add(shade, shade, shade, 1.0);
        }
    };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) p.Set(x, y, SamplePixel(x, y, sample));
    return p;
}

}  // namespace resources
