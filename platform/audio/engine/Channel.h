// One stream: its decoder on a decode thread of its own, a queue of decoded
// audio, and the state the program reads (activity, position, length).
//
// Threads:
// - GUI thread (through the Engine): construction, destruction and every
//   public call except MixInto.
// - The decode thread (DecodeLoop) alone uses decoder_, except Interrupt.
// - The output thread calls MixInto; appliedVolume_ and mono_ are its own.
// Everything else is guarded by mutex_, which nobody holds across a decoder
// call, so the GUI and output threads never wait on the network.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/audio/engine/Decoder.h"
#include "platform/audio/engine/HeardHistory.h"

namespace audio {

class Channel {
public:
    Channel(std::unique_ptr<Decoder> decoder, int outputRate);
    ~Channel();  // interrupts the decoder and joins the decode thread
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    // heard: the output frame the listener hears now.
    bool Play(bool restart, std::int64_t heard);
    bool Pause(std::int64_t heard);
    int Activity(std::int64_t heard);
    bool SetPosition(std::int64_t bytes);
    std::int64_t Position(std::int64_t heard);
    std::int64_t Length();
    double BytesToSeconds(std::int64_t bytes) const;
    bool SetVolume(float volume);
    // The last HeardHistory::kWindow mono samples heard, before the volume.
    void HeardWindow(std::int64_t heard, float* out);
    // Output frames decoded and waiting to be mixed.
    std::int64_t QueuedFrames();

    // Output thread: adds this channel's next frames to mix (interleaved stereo).
    void MixInto(float* mix, int frames, std::int64_t firstFrame);

private:
    enum class Run { Stopped, Playing, Paused };

    void DecodeLoop();
    bool EndedLocked(std::int64_t heard) const;
    void RequestSeekLocked(std::int64_t sourceFrame);

    const std::unique_ptr<Decoder> decoder_;
    const SourceFormat format_;
    const bool network_;
    const int outputRate_;
    const std::int64_t queueCapacity_;  // output frames decoded ahead
    const std::int64_t prebuffer_;      // output frames a starved network stream waits for

    std::mutex mutex_;
    std::condition_variable wake_;  // the decode thread waits on it
    std::deque<PcmChunk> queue_;
    std::size_t frontOffset_ = 0;  // frames of queue_.front() already mixed
    std::int64_t queuedFrames_ = 0;
    bool endOfInput_ = false;      // the decoder ended or failed; the queue is all that is left
    bool starving_ = true;         // a network stream waiting for data
    std::int64_t pendingSeek_ = -1;
    std::uint64_t epoch_ = 0;      // counts seeks; audio decoded before the latest one is dropped
    bool rebase_ = false;          // the next chunk tells where a seek really landed
    bool stopping_ = false;
    Run run_ = Run::Stopped;
    float targetVolume_ = 1.0f;
    std::int64_t lengthFrames_ = -1;
    HeardHistory history_;

    float appliedVolume_ = -1.0f;  // output thread only; below 0 until the first block
    std::vector<float> mono_;     // output thread only

    std::thread decodeThread_;    // last: starts once everything above exists
};

}  // namespace audio
