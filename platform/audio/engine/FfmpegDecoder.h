// Every format FFmpeg reads, decoded and resampled to 16-bit stereo at the
// output rate.
//
// Threads: as for every Decoder; the NetworkGuard is the one piece touched
// from other threads (Interrupt).
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/audio/engine/Decoder.h"
#include "platform/audio/engine/MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswresample/swresample.h>
}

namespace audio {

class FfmpegDecoder final : public Decoder {
public:
    static std::unique_ptr<Decoder> OpenFile(const std::filesystem::path& path, int outputRate,
                                             std::string& error);
    static std::unique_ptr<Decoder> OpenUrl(const std::string& url, int outputRate,
                                            std::chrono::milliseconds timeout, std::string& error);

    ~FfmpegDecoder() override { av_channel_layout_uninit(&resamplerLayout_); }

    SourceFormat Format() const override { return format_; }
    bool IsNetworkStream() const override { return network_; }
    std::int64_t LengthFrames() const override { return lengthFrames_; }
    DecodeResult Read(PcmChunk& chunk) override;
    bool Seek(std::int64_t sourceFrame) override;
    void Interrupt() override { guard_->Interrupt(); }

private:
    FfmpegDecoder(std::unique_ptr<NetworkGuard> guard, int outputRate, bool network);
    bool Prepare(FormatContextPtr context, std::string& error);
    bool ConfigureResampler(const AVFrame& frame);
    bool Convert(PcmChunk& chunk);  // the decoded frame_; false when nothing is left of it
    bool Drain(PcmChunk& chunk);    // what the resampler still holds at the end
    std::int64_t EstimateLength() const;

    struct CodecFreer {
        void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
    };
    struct ResamplerFreer {
        void operator()(SwrContext* c) const { swr_free(&c); }
    };
    struct PacketFreer {
        void operator()(AVPacket* p) const { av_packet_free(&p); }
    };
    struct FrameFreer {
        void operator()(AVFrame* f) const { av_frame_free(&f); }
    };

    std::unique_ptr<NetworkGuard> guard_;  // first: FFmpeg holds its address until the context closes
    FormatContextPtr formatContext_;
    std::unique_ptr<AVCodecContext, CodecFreer> codec_;
    std::unique_ptr<SwrContext, ResamplerFreer> resampler_;
    std::unique_ptr<AVPacket, PacketFreer> packet_;
    std::unique_ptr<AVFrame, FrameFreer> frame_;
    const int outputRate_;
    const bool network_;
    int streamIndex_ = -1;
    SourceFormat format_;
    std::int64_t lengthFrames_ = -1;
    std::int64_t nextFrame_ = 0;    // source frames handed out so far, from the start
    std::int64_t seekTarget_ = -1;  // after a seek: frames before it are dropped
    int badPackets_ = 0;            // in a row; a file of garbage gives up
    // The resampler's current input; it is rebuilt when the stream changes shape.
    int resamplerRate_ = 0;
    int resamplerFormat_ = -1;
    AVChannelLayout resamplerLayout_{};
};

}  // namespace audio
