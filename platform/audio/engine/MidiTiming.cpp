#include "platform/audio/engine/MidiTiming.h"

#include <algorithm>

namespace audio {

namespace {

constexpr double kDefaultMicrosPerQuarter = 500'000;  // 120 beats a minute

// Bounds-checked reading of the file's big-endian fields.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return position_ >= bytes_.size(); }
    std::size_t Left() const { return bytes_.size() - position_; }
    std::optional<std::uint32_t> Fixed(int width) {
        if (Left() < static_cast<std::size_t>(width)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) value = (value << 8) | Byte(position_++);
        return value;
    }
    std::optional<std::uint32_t> Variable() {  // at most four bytes
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (AtEnd()) return std::nullopt;
            const std::uint8_t b = Byte(position_++);
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) return value;
        }
        return std::nullopt;
    }
    std::optional<std::string_view> Take(std::size_t count) {
        if (Left() < count) return std::nullopt;
        const auto part = bytes_.substr(position_, count);
        position_ += count;
        return part;
    }

private:
    std::uint8_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    std::string_view bytes_;
    std::size_t position_ = 0;
};

struct TempoEvent {
    std::int64_t tick;
    std::uint32_t microsPerQuarter;
};

// Walks one track; adds its tempo events and returns its last tick.
std::optional<std::int64_t> WalkTrack(std::string_view track, std::vector<TempoEvent>& tempo) {
    Reader in(track);
    std::int64_t tick = 0;
    std::uint8_t status = 0;
    while (!in.AtEnd()) {
        const auto delta = in.Variable();
        const auto first = in.Fixed(1);
        if (!delta || !first) return std::nullopt;
        tick += *delta;
        std::uint8_t byte = static_cast<std::uint8_t>(*first);
        if (byte == 0xFF) {
            const auto type = in.Fixed(1);
            const auto length = type ? in.Variable() : std::nullopt;
            const auto data = length ? in.Take(*length) : std::nullopt;
            if (!data) return std::nullopt;
            if (*type == 0x2F) return tick;  // end of track
            if (*type == 0x51 && data->size() == 3) {
                const auto q = [&](int i) { return static_cast<std::uint8_t>((*data)[i]); };
                tempo.push_back({tick, (std::uint32_t{q(0)} << 16) | (q(1) << 8) | q(2)});
            }
            continue;
        }
        if (byte == 0xF0 || byte == 0xF7) {
            const auto length = in.Variable();
            if (!length || !in.Take(*length)) return std::nullopt;
            continue;
        }
        if (byte > 0xF0) return std::nullopt;  // system messages have no place in a file
        int dataBytes = 0;
        if (byte & 0x80) {
            status = byte;
            const int kind = status >> 4;
            dataBytes = (kind == 0xC || kind == 0xD) ? 1 : 2;
        } else {
            if (status == 0) return std::nullopt;  // running status with nothing to run on
            const int kind = status >> 4;
            dataBytes = (kind == 0xC || kind == 0xD) ? 0 : 1;
        }
        if (!in.Take(static_cast<std::size_t>(dataBytes))) return std::nullopt;
    }
    return tick;  // a track without its end marker still counts
}

}  // namespace

std::optional<MidiTiming> MidiTiming::Parse(std::string_view file) {
    Reader in(file);
    const auto magic = in.Take(4);
    const auto headerLength = in.Fixed(4);
    if (!magic || *magic != "MThd" || !headerLength || *headerLength < 6) return std::nullopt;
    const auto header = in.Take(*headerLength);
    if (!header) return std::nullopt;
    Reader fields(*header);
    fields.Fixed(2);  // format: all three are timed alike here
    const auto trackCount = fields.Fixed(2);
    const auto division = fields.Fixed(2);
    if (!trackCount || !division || *division == 0) return std::nullopt;

    std::vector<TempoEvent> tempo;
    MidiTiming timing;
    for (std::uint32_t t = 0; t < *trackCount && !in.AtEnd(); ++t) {
        const auto id = in.Take(4);
        const auto length = in.Fixed(4);
        if (!id || !length) return std::nullopt;
        const auto body = in.Take(std::min<std::size_t>(*length, in.Left()));
        if (*id != "MTrk") continue;  // unknown chunks are skipped
        const auto last = WalkTrack(*body, tempo);
        if (!last) return std::nullopt;
        timing.totalTicks_ = std::max(timing.totalTicks_, *last);
    }

    if (*division & 0x8000) {
        // SMPTE time: a fixed number of ticks a second, no tempo.
        const int framesPerSecond = -static_cast<std::int8_t>(*division >> 8);
        const int ticksPerFrame = static_cast<int>(*division & 0xFF);
        if (framesPerSecond <= 0 || ticksPerFrame <= 0) return std::nullopt;
        timing.tempo_.push_back({0, 1.0 / (framesPerSecond * ticksPerFrame)});
        return timing;
    }
    const double ticksPerQuarter = *division;
    std::stable_sort(tempo.begin(), tempo.end(),
                     [](const TempoEvent& a, const TempoEvent& b) { return a.tick < b.tick; });
    timing.tempo_.push_back({0, kDefaultMicrosPerQuarter / 1e6 / ticksPerQuarter});
    for (const TempoEvent& e : tempo) {
        const double perTick = e.microsPerQuarter / 1e6 / ticksPerQuarter;
        if (e.tick == timing.tempo_.back().tick)
            timing.tempo_.back().secondsPerTick = perTick;
        else
            timing.tempo_.push_back({e.tick, perTick});
    }
    return timing;
}

double MidiTiming::SecondsAt(std::int64_t tick) const {
    double seconds = 0;
    for (std::size_t i = 0; i < tempo_.size(); ++i) {
        const std::int64_t end = i + 1 < tempo_.size() ? tempo_[i + 1].tick : tick;
        const std::int64_t span = std::min(end, tick) - tempo_[i].tick;
        if (span <= 0) break;
        seconds += static_cast<double>(span) * tempo_[i].secondsPerTick;
    }
    return seconds;
}

std::int64_t MidiTiming::TickAt(double seconds) const {
    double elapsed = 0;
    for (std::size_t i = 0; i < tempo_.size(); ++i) {
        const bool last = i + 1 == tempo_.size();
        const double spanSeconds =
            last ? 0 : static_cast<double>(tempo_[i + 1].tick - tempo_[i].tick) * tempo_[i].secondsPerTick;
        if (last || elapsed + spanSeconds > seconds)
            return tempo_[i].tick +
                   static_cast<std::int64_t>((seconds - elapsed) / tempo_[i].secondsPerTick);
        elapsed += spanSeconds;
    }
    return 0;
}

}  // namespace audio
