// MP3 encoding through libavcodec's LAME encoder.
#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace demo {

// Constant bit rate MP3 frames of mono samples; empty when encoding fails or
// is cancelled.
std::string EncodeMp3(const std::vector<float>& mono, int sampleRate, int kilobitsPerSecond,
                      const std::atomic<bool>* cancel = nullptr);

}  // namespace demo
