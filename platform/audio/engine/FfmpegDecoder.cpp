#include "platform/audio/engine/FfmpegDecoder.h"

#include <algorithm>
#include <vector>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

namespace audio {

namespace {
constexpr int kMaxBadPacketsInARow = 64;
}

FfmpegDecoder::FfmpegDecoder(std::unique_ptr<NetworkGuard> guard, int outputRate, bool network)
    : guard_(std::move(guard)), outputRate_(outputRate), network_(network) {}

std::unique_ptr<Decoder> FfmpegDecoder::OpenFile(const std::filesystem::path& path,
                                                 int outputRate, std::string& error) {
    std::unique_ptr<FfmpegDecoder> decoder(
        new FfmpegDecoder(std::make_unique<NetworkGuard>(), outputRate, false));
    FormatContextPtr context = OpenMediaFile(path, error);
    if (!context || !decoder->Prepare(std::move(context), error)) return nullptr;
    return decoder;
}

std::unique_ptr<Decoder> FfmpegDecoder::OpenUrl(const std::string& url, int outputRate,
                                                std::chrono::milliseconds timeout,
                                                std::string& error) {
    auto guard = std::make_unique<NetworkGuard>();
    NetworkGuard& guardRef = *guard;
    std::unique_ptr<FfmpegDecoder> decoder(new FfmpegDecoder(std::move(guard), outputRate, true));
    FormatContextPtr context = OpenMediaUrl(url, guardRef, timeout, error);
    if (!context || !decoder->Prepare(std::move(context), error)) return nullptr;
    return decoder;
}

bool FfmpegDecoder::Prepare(FormatContextPtr context, std::string& error) {
    formatContext_ = std::move(context);
    const AVCodec* codec = nullptr;
    streamIndex_ =
        av_find_best_stream(formatContext_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (streamIndex_ < 0 || codec == nullptr) {
        error = "no audio in it";
        return false;
    }
    for (unsigned i = 0; i < formatContext_->nb_streams; ++i)
        if (static_cast<int>(i) != streamIndex_) formatContext_->streams[i]->discard = AVDISCARD_ALL;
    const AVStream& stream = *formatContext_->streams[streamIndex_];

    codec_.reset(avcodec_alloc_context3(codec));
    packet_.reset(av_packet_alloc());
    frame_.reset(av_frame_alloc());
    if (!codec_ || !packet_ || !frame_ ||
        avcodec_parameters_to_context(codec_.get(), stream.codecpar) < 0) {
        error = "out of memory";
        return false;
    }
    codec_->pkt_timebase = stream.time_base;
    if (const int opened = avcodec_open2(codec_.get(), codec, nullptr); opened < 0) {
        error = "cannot decode it: " + FfmpegErrorText(opened);
        return false;
    }
    format_.sampleRate = codec_->sample_rate;
    format_.channels = codec_->ch_layout.nb_channels;
    if (format_.sampleRate <= 0 || format_.channels <= 0) {
        error = "no sample rate or channels";
        return false;
    }
    lengthFrames_ = EstimateLength();
    return true;
}

std::int64_t FfmpegDecoder::EstimateLength() const {
    const AVStream& stream = *formatContext_->streams[streamIndex_];
    AVIOContext* io = formatContext_->pb;
    // An endless stream has neither a size nor a way back.
    if (network_ && io != nullptr && !(io->seekable & AVIO_SEEKABLE_NORMAL) && avio_size(io) < 0)
        return -1;
    const AVRational frames{1, format_.sampleRate};
    if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0)
        return av_rescale_q(stream.duration, stream.time_base, frames);
    if (formatContext_->duration != AV_NOPTS_VALUE && formatContext_->duration > 0)
        return av_rescale_q(formatContext_->duration, AV_TIME_BASE_Q, frames);
    // From the size and the bit rate, as a network stream's only clue.
    const std::int64_t size = io != nullptr ? avio_size(io) : -1;
    const std::int64_t bitRate = formatContext_->bit_rate > 0 ? formatContext_->bit_rate
                                                               : stream.codecpar->bit_rate;
    if (size > 0 && bitRate > 0) return av_rescale(size * 8, format_.sampleRate, bitRate);
    return -1;
}

bool FfmpegDecoder::ConfigureResampler(const AVFrame& frame) {
    if (resampler_ && frame.sample_rate == resamplerRate_ && frame.format == resamplerFormat_ &&
        av_channel_layout_compare(&frame.ch_layout, &resamplerLayout_) == 0)
        return true;
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    AVChannelLayout input = frame.ch_layout;  // a shallow copy: this FFmpeg takes no const
    SwrContext* raw = nullptr;
    if (swr_alloc_set_opts2(&raw, &stereo, AV_SAMPLE_FMT_S16, outputRate_, &input,
                            static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0,
                            nullptr) < 0)
        return false;
    resampler_.reset(raw);
    if (frame.ch_layout.nb_channels == 1) {
        // Mono plays at full level on both sides, not 3 dB down.
        const double both[2] = {1.0, 1.0};
        swr_set_matrix(raw, both, 1);
    }
    if (swr_init(raw) < 0) {
        resampler_.reset();
        return false;
    }
    resamplerRate_ = frame.sample_rate;
    resamplerFormat_ = frame.format;
    av_channel_layout_uninit(&resamplerLayout_);
    av_channel_layout_copy(&resamplerLayout_, &frame.ch_layout);
    return true;
}

bool FfmpegDecoder::Convert(PcmChunk& chunk) {
    AVFrame& frame = *frame_;
    int count = frame.nb_samples;
    int skip = 0;
    if (seekTarget_ >= 0) {
        const AVStream& stream = *formatContext_->streams[streamIndex_];
        const std::int64_t pts = frame.best_effort_timestamp;
        if (pts != AV_NOPTS_VALUE) {
            const std::int64_t start = stream.start_time != AV_NOPTS_VALUE ? stream.start_time : 0;
            const std::int64_t at =
                av_rescale_q(pts - start, stream.time_base, AVRational{1, format_.sampleRate});
            if (at + count <= seekTarget_) return false;  // still before the target
            skip = static_cast<int>(std::clamp<std::int64_t>(seekTarget_ - at, 0, count));
        }
        seekTarget_ = -1;
    }
    if (count - skip <= 0 || !ConfigureResampler(frame)) return false;

    const int channels = frame.ch_layout.nb_channels;
    const auto format = static_cast<AVSampleFormat>(frame.format);
    const int planes = av_sample_fmt_is_planar(format) ? channels : 1;
    const int step = av_get_bytes_per_sample(format) * (planes == 1 ? channels : 1);
    std::vector<const std::uint8_t*> input(static_cast<std::size_t>(planes));
    for (int p = 0; p < planes; ++p) input[p] = frame.extended_data[p] + skip * step;
    count -= skip;

    const int room = swr_get_out_samples(resampler_.get(), count);
    chunk.samples.resize(static_cast<std::size_t>(std::max(room, 0)) * 2);
    auto* out = reinterpret_cast<std::uint8_t*>(chunk.samples.data());
    const int made = swr_convert(resampler_.get(), &out, room, input.data(), count);
    chunk.sourceFrame = nextFrame_;
    nextFrame_ += count;
    chunk.samples.resize(static_cast<std::size_t>(std::max(made, 0)) * 2);
    return made > 0;
}

bool FfmpegDecoder::Drain(PcmChunk& chunk) {
    if (!resampler_) return false;
    const int room = swr_get_out_samples(resampler_.get(), 0);
    if (room <= 0) return false;
    chunk.samples.resize(static_cast<std::size_t>(room) * 2);
    auto* out = reinterpret_cast<std::uint8_t*>(chunk.samples.data());
    const int made = swr_convert(resampler_.get(), &out, room, nullptr, 0);
    chunk.sourceFrame = nextFrame_;
    chunk.samples.resize(static_cast<std::size_t>(std::max(made, 0)) * 2);
    return made > 0;
}

DecodeResult FfmpegDecoder::Read(PcmChunk& chunk) {
    chunk.samples.clear();
    for (;;) {
        const int received = avcodec_receive_frame(codec_.get(), frame_.get());
        if (received == 0) {
            const bool any = Convert(chunk);
            av_frame_unref(frame_.get());
            if (any) return DecodeResult::Data;
            continue;
        }
        if (received == AVERROR_EOF) {
            if (Drain(chunk)) return DecodeResult::Data;
            // Decoded to the end: now the length is exact.
            if (nextFrame_ > 0) lengthFrames_ = nextFrame_;
            return DecodeResult::End;
        }
        if (received != AVERROR(EAGAIN)) return DecodeResult::Failed;

        const int read = av_read_frame(formatContext_.get(), packet_.get());
        if (read < 0) {
            if (guard_->Interrupted()) return DecodeResult::Failed;
            // The end of the input, or a network stream that broke off for good:
            // either way play out what the decoder holds.
            avcodec_send_packet(codec_.get(), nullptr);
            continue;
        }
        if (packet_->stream_index != streamIndex_) {
            av_packet_unref(packet_.get());
            continue;
        }
        const int sent = avcodec_send_packet(codec_.get(), packet_.get());
        av_packet_unref(packet_.get());
        if (sent < 0 && sent != AVERROR(EAGAIN)) {
            // A damaged packet is skipped; a file that is nothing but damage gives up.
            if (++badPackets_ > kMaxBadPacketsInARow) return DecodeResult::Failed;
        } else {
            badPackets_ = 0;
        }
    }
}

bool FfmpegDecoder::Seek(std::int64_t sourceFrame) {
    AVStream& stream = *formatContext_->streams[streamIndex_];
    const std::int64_t start = stream.start_time != AV_NOPTS_VALUE ? stream.start_time : 0;
    const std::int64_t ts =
        start + av_rescale_q(sourceFrame, AVRational{1, format_.sampleRate}, stream.time_base);
    if (avformat_seek_file(formatContext_.get(), streamIndex_, INT64_MIN, ts, ts, 0) < 0 &&
        av_seek_frame(formatContext_.get(), streamIndex_, ts, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(codec_.get());
    resampler_.reset();  // its delay line holds audio from before the jump
    nextFrame_ = sourceFrame;
    seekTarget_ = sourceFrame;
    badPackets_ = 0;
    return true;
}

}  // namespace audio
