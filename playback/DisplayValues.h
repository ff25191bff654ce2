// The numbers and the text the display refresh draws, apart from the drawing.
#pragma once

#include <cstdint>
#include <string>

// Seconds to whole seconds, halves to the even neighbour; a value outside the
// signed 32-bit range, or not a number, gives -2,147,483,648.
std::int32_t WholeSeconds(double seconds);
// "m:ss" from whole seconds: minutes unbounded, the seconds padded or cut to two characters.
std::string TimeText(std::int32_t elapsed);
// A spectrum bin's bar height in pixels: sqrt(bin) * 40, rounded like WholeSeconds.
std::int32_t BarHeight(float bin);
// Width of the seek bar's filled part for elapsed of total (total > 0).
std::int32_t SeekFillWidth(std::int32_t elapsed, std::int32_t total, std::int32_t barWidth);
