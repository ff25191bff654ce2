#include "tools/demo-service/TrackStore.h"

#include "tools/demo-service/Mp3Encoder.h"

namespace demo {

TrackStore::TrackStore(std::vector<Track> tracks) : tracks_(std::move(tracks)) {
    for (std::size_t i = 0; i < tracks_.size(); ++i) slots_.push_back(std::make_unique<Slot>());
}

TrackStore::~TrackStore() {
    stopping_ = true;
    if (preparer_.joinable()) preparer_.join();
}

int TrackStore::Find(int ownerId, const std::string& key) const {
    for (std::size_t i = 0; i < tracks_.size(); ++i)
        if (tracks_[i].ownerId == ownerId && tracks_[i].key == key) return static_cast<int>(i);
    return -1;
}

std::shared_ptr<const std::string> TrackStore::Mp3(std::size_t index) {
    if (index >= slots_.size()) return nullptr;
    Slot& slot = *slots_[index];
    std::lock_guard<std::mutex> lock(slot.made);
    if (!slot.mp3) {
        std::string bytes = EncodeMp3(RenderPiece(tracks_[index].piece, &stopping_), kSampleRate,
                                      kMp3KilobitsPerSecond, &stopping_);
        if (!bytes.empty()) slot.mp3 = std::make_shared<const std::string>(std::move(bytes));
    }
    return slot.mp3;
}

void TrackStore::PrepareAll() {
    preparer_ = std::thread([this] {
        for (std::size_t i = 0; i < slots_.size() && !stopping_; ++i) Mp3(i);
    });
}

}  // namespace demo
