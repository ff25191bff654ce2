// Shared by the engine tests: an engine on the silent (or recording) output,
// and bounded waits.
#pragma once

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "platform/audio/engine/Engine.h"
#include "tests/platform/audio/AudioFixtures.h"

namespace audio::testing {

inline constexpr std::int64_t kBytesPerSecond = 176400;  // 44.1 kHz stereo, 16-bit
inline constexpr std::int64_t kBlockBytes = 1024 * 4;     // one output block

// Polls until done() holds or limit passes; true when it held.
template <typename Done>
bool WaitFor(Done done, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

inline void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// An engine that never makes a sound; recorder, when given, sees every block.
inline std::unique_ptr<Engine> SilentEngine(RecordingOutput** recorder = nullptr,
                                            EngineOptions options = {}) {
    options.forceSilent = true;
    if (recorder != nullptr)
        options.openOutput = [recorder](int, int rate) {
            auto output = std::make_unique<RecordingOutput>(rate);
            *recorder = output.get();
            return output;
        };
    auto engine = std::make_unique<Engine>(std::move(options));
    engine->Init(-1, 44100);
    return engine;
}

// The strongest bin of the spectrum now, and its value.
inline std::pair<int, float> SpectrumPeak(AudioEngine& engine, Handle stream) {
    std::vector<float> bins(kFftBins + 1, 0.0f);
    if (engine.ChannelGetData(stream, bins.data(), kDataFft2048) == -1) return {-1, 0.0f};
    const auto peak = std::max_element(bins.begin(), bins.begin() + kFftBins);
    return {static_cast<int>(peak - bins.begin()), *peak};
}

}  // namespace audio::testing
