// The catalogue's MP3 files, made on first use and kept.
//
// Threads: Mp3 may be called from any thread (the server's workers and the
// preparing thread); a track is made once, and callers of a track that is
// being made wait for it.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/demo-service/Catalogue.h"

namespace demo {

inline constexpr int kMp3KilobitsPerSecond = 96;

class TrackStore {
public:
    explicit TrackStore(std::vector<Track> tracks);
    ~TrackStore();  // stops the preparing thread and any track being made

    const std::vector<Track>& tracks() const { return tracks_; }
    // Index of the track with this owner and key, or -1.
    int Find(int ownerId, const std::string& key) const;
    // The MP3 bytes of track `index`; null when it cannot be made.
    std::shared_ptr<const std::string> Mp3(std::size_t index);
    // Makes every track in the background, so later requests answer at once.
    void PrepareAll();

private:
    struct Slot {
        std::mutex made;
        std::shared_ptr<const std::string> mp3;
    };
    std::vector<Track> tracks_;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::atomic<bool> stopping_{false};
    std::thread preparer_;
};

}  // namespace demo
