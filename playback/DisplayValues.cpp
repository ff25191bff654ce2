#include "playback/DisplayValues.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "search/TextOperations.h"

namespace {

constexpr std::int32_t kOutOfRange = std::numeric_limits<std::int32_t>::min();

std::int32_t RoundHalfEven(double value) {
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return kOutOfRange;  // NaN too
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

std::int32_t WholeSeconds(double seconds) { return RoundHalfEven(seconds); }

std::string TimeText(std::int32_t elapsed) {
    std::string seconds = DecimalText(elapsed % 60);  // negative elapsed: negative remainder
    if (seconds.size() < 2) seconds.insert(0, 2 - seconds.size(), '0');
    return DecimalText(elapsed / 60) + ":" + HeadText(seconds, 2);
}

std::int32_t BarHeight(float bin) { return RoundHalfEven(std::sqrt(static_cast<double>(bin)) * 40.0); }

std::int32_t SeekFillWidth(std::int32_t elapsed, std::int32_t total, std::int32_t barWidth) {
    // elapsed * 340 would overflow 32 bits after about 73 days; in 64 bits it
    // cannot, and every shorter elapsed gives the same width as before.
    const std::int64_t width = std::int64_t{elapsed} * barWidth / total;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(width, kOutOfRange,
                                                             std::numeric_limits<std::int32_t>::max()));
}
