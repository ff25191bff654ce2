#include "platform/audio/engine/Channel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace audio {

namespace {
constexpr double kFileQueueSeconds = 1.0;
constexpr double kNetworkQueueSeconds = 8.0;
constexpr double kNetworkPrebufferSeconds = 0.25;
}  // namespace

Channel::Channel(std::unique_ptr<Decoder> decoder, int outputRate)
    : decoder_(std::move(decoder)),
      format_(decoder_->Format()),
      network_(decoder_->IsNetworkStream()),
      outputRate_(outputRate),
      queueCapacity_(static_cast<std::int64_t>(
          (network_ ? kNetworkQueueSeconds : kFileQueueSeconds) * outputRate)),
      prebuffer_(static_cast<std::int64_t>(kNetworkPrebufferSeconds * outputRate)),
      lengthFrames_(decoder_->LengthFrames()),
      history_(static_cast<double>(format_.sampleRate) / outputRate),
      decodeThread_([this] { DecodeLoop(); }) {}

Channel::~Channel() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    decoder_->Interrupt();
    wake_.notify_all();
    decodeThread_.join();
}

void Channel::DecodeLoop() {
    PcmChunk chunk;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] {
            return stopping_ || pendingSeek_ >= 0 || (!endOfInput_ && queuedFrames_ < queueCapacity_);
        });
        if (stopping_) return;
        const std::uint64_t epoch = epoch_;
        if (pendingSeek_ >= 0) {
            const std::int64_t target = std::exchange(pendingSeek_, -1);
            lock.unlock();
            decoder_->Seek(target);  // a refusal keeps playing on; the next chunk tells where
            lock.lock();
            if (epoch == epoch_) rebase_ = true;
            continue;
        }
        lock.unlock();
        const DecodeResult result = decoder_->Read(chunk);
        const std::int64_t length = decoder_->LengthFrames();
        lock.lock();
        lengthFrames_ = length;
        if (epoch != epoch_) continue;  // decoded at the old place: a seek came in meanwhile
        if (result != DecodeResult::Data) {
            endOfInput_ = true;
            continue;
        }
        if (rebase_) {
            history_.Reset(static_cast<double>(chunk.sourceFrame));
            rebase_ = false;
        }
        queuedFrames_ += static_cast<std::int64_t>(chunk.samples.size() / 2);
        queue_.push_back(std::move(chunk));
        chunk = PcmChunk{};
    }
}

bool Channel::EndedLocked(std::int64_t heard) const {
    return endOfInput_ && queuedFrames_ == 0 && pendingSeek_ < 0 && !rebase_ &&
           heard >= history_.HandedEnd();
}

void Channel::RequestSeekLocked(std::int64_t sourceFrame) {
    queue_.clear();
    frontOffset_ = 0;
    queuedFrames_ = 0;
    endOfInput_ = false;
    starving_ = true;
    pendingSeek_ = sourceFrame;
    ++epoch_;
    rebase_ = false;
    history_.Reset(static_cast<double>(sourceFrame));
    wake_.notify_all();
}

bool Channel::Play(bool restart, std::int64_t heard) {
    std::lock_guard lock(mutex_);
    if (restart || (run_ == Run::Playing && EndedLocked(heard))) RequestSeekLocked(0);
    run_ = Run::Playing;
    return true;
}

bool Channel::Pause(std::int64_t heard) {
    std::lock_guard lock(mutex_);
    if (run_ == Run::Stopped || (run_ == Run::Playing && EndedLocked(heard))) return false;
    run_ = Run::Paused;
    return true;
}

int Channel::Activity(std::int64_t heard) {
    std::lock_guard lock(mutex_);
    switch (run_) {
    case Run::Stopped:
        return 0;
    case Run::Paused:
        return 3;
    case Run::Playing:
        break;
    }
    if (EndedLocked(heard)) return 0;
    return network_ && starving_ ? 2 : 1;
}

bool Channel::SetPosition(std::int64_t bytes) {
    const std::int64_t bytesPerFrame = format_.channels * 2;
    std::lock_guard lock(mutex_);
    if (bytes < 0 || lengthFrames_ < 0) return false;  // an endless stream has no places
    const std::int64_t frame = bytes / bytesPerFrame;
    if (frame > lengthFrames_) return false;
    RequestSeekLocked(frame);
    return true;
}

std::int64_t Channel::Position(std::int64_t heard) {
    std::lock_guard lock(mutex_);
    auto frame = static_cast<std::int64_t>(std::floor(history_.Position(heard)));
    if (lengthFrames_ >= 0) frame = std::min(frame, lengthFrames_);
    return std::max<std::int64_t>(frame, 0) * format_.channels * 2;
}

std::int64_t Channel::Length() {
    std::lock_guard lock(mutex_);
    return lengthFrames_ < 0 ? -1 : lengthFrames_ * format_.channels * 2;
}

double Channel::BytesToSeconds(std::int64_t bytes) const {
    return static_cast<double>(bytes) / (static_cast<double>(format_.sampleRate) * format_.channels * 2);
}

bool Channel::SetVolume(float volume) {
    if (!(volume >= 0.0f)) return false;  // also NaN
    std::lock_guard lock(mutex_);
    targetVolume_ = std::min(volume, 1.0f);
    return true;
}

void Channel::HeardWindow(std::int64_t heard, float* out) {
    std::lock_guard lock(mutex_);
    history_.Window(heard, out);
}

std::int64_t Channel::QueuedFrames() {
    std::lock_guard lock(mutex_);
    return queuedFrames_;
}

void Channel::MixInto(float* mix, int frames, std::int64_t firstFrame) {
    std::lock_guard lock(mutex_);
    if (run_ != Run::Playing) return;
    if (network_) {
        if (queuedFrames_ == 0 && !endOfInput_) starving_ = true;
        if (starving_ && (queuedFrames_ >= prebuffer_ || endOfInput_)) starving_ = false;
        if (starving_) return;
    }
    const int take = static_cast<int>(std::min<std::int64_t>(frames, queuedFrames_));
    if (take == 0) return;

    const double ratio = static_cast<double>(format_.sampleRate) / outputRate_;
    const double sourceFrame =
        static_cast<double>(queue_.front().sourceFrame) + static_cast<double>(frontOffset_) * ratio;
    const float target = targetVolume_;
    const float from = appliedVolume_ < 0 ? target : appliedVolume_;
    appliedVolume_ = target;
    mono_.resize(static_cast<std::size_t>(take));

    // The volume glides across the block so a change does not click.
    for (int i = 0; i < take; ++i) {
        const PcmChunk& front = queue_.front();
        const float left = front.samples[2 * frontOffset_];
        const float right = front.samples[2 * frontOffset_ + 1];
        const float gain = from + (target - from) * static_cast<float>(i + 1) / static_cast<float>(frames);
        mix[2 * i] += left * gain;
        mix[2 * i + 1] += right * gain;
        mono_[i] = (left + right) * (0.5f / 32768.0f);
        if (++frontOffset_ * 2 == front.samples.size()) {
            queue_.pop_front();
            frontOffset_ = 0;
        }
    }
    queuedFrames_ -= take;
    history_.AddBlock(firstFrame, take, sourceFrame, mono_.data());
    if (network_ && queuedFrames_ == 0 && !endOfInput_) starving_ = true;
    wake_.notify_all();
}

}  // namespace audio
