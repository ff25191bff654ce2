#include "tools/demo-service/StationStream.h"

#include <chrono>
#include <memory>
#include <thread>

namespace demo {
namespace {

constexpr std::size_t kBytesPerSecond = kMp3KilobitsPerSecond * 1000 / 8;
constexpr std::size_t kHeadStartBytes = kBytesPerSecond * 2;
constexpr std::size_t kPieceBytes = kBytesPerSecond / 4;

struct Cursor {
    std::size_t track = 0;  // position in the station's list
    std::size_t offset = 0; // within that track's MP3
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
};

}  // namespace

void ServeStation(TrackStore& store, const Station& station, const std::atomic<bool>& stopping,
                  httplib::Response& res) {
    res.set_header("icy-name", station.name);
    res.set_header("icy-genre", station.genre.empty() ? "Mixed" : station.genre);
    res.set_header("icy-br", std::to_string(kMp3KilobitsPerSecond));
    res.set_header("icy-pub", "0");
    res.set_header("icy-description", "Melovia demo station");
    auto cursor = std::make_shared<Cursor>();
    const std::vector<std::size_t> tracks = station.tracks;
    res.set_content_provider(
        "audio/mpeg", [&store, &stopping, cursor, tracks](std::size_t sent, httplib::DataSink& sink) {
            if (tracks.empty()) return false;
            // Wait until the listener has heard what was sent beyond the head start.
            if (sent > kHeadStartBytes) {
                const auto due = cursor->started + std::chrono::milliseconds(
                                                       (sent - kHeadStartBytes) * 1000 / kBytesPerSecond);
                while (std::chrono::steady_clock::now() < due) {
                    if (stopping) return false;
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                }
            }
            if (stopping) return false;
            const auto mp3 = store.Mp3(tracks[cursor->track % tracks.size()]);
            if (!mp3 || mp3->empty()) return false;
            const std::size_t count = std::min(kPieceBytes, mp3->size() - cursor->offset);
            if (!sink.write(mp3->data() + cursor->offset, count)) return false;
            cursor->offset += count;
            if (cursor->offset >= mp3->size()) {
                cursor->offset = 0;
                ++cursor->track;
            }
            return true;
        });
}

}  // namespace demo
