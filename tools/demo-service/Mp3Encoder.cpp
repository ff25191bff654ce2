#include "tools/demo-service/Mp3Encoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cstring>
#include <memory>

namespace demo {
namespace {

struct ContextFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};

bool Drain(AVCodecContext* context, AVPacket* packet, std::string& out) {
    for (;;) {
        const int result = avcodec_receive_packet(context, packet);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
        if (result < 0) return false;
        out.append(reinterpret_cast<const char*>(packet->data), static_cast<std::size_t>(packet->size));
        av_packet_unref(packet);
    }
}

}  // namespace

std::string EncodeMp3(const std::vector<float>& mono, int sampleRate, int kilobitsPerSecond,
                      const std::atomic<bool>* cancel) {
    if (mono.empty()) return {};
    const AVCodec* codec = avcodec_find_encoder_by_name("libmp3lame");
    if (!codec) return {};
    std::unique_ptr<AVCodecContext, ContextFree> context(avcodec_alloc_context3(codec));
    if (!context) return {};
    context->sample_rate = sampleRate;
    context->sample_fmt = AV_SAMPLE_FMT_FLTP;
    context->bit_rate = kilobitsPerSecond * 1000;
    av_channel_layout_default(&context->ch_layout, 1);
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return {};

    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    if (!frame || !packet) return {};
    frame->format = AV_SAMPLE_FMT_FLTP;
    frame->nb_samples = context->frame_size;
    frame->sample_rate = sampleRate;
    if (av_channel_layout_copy(&frame->ch_layout, &context->ch_layout) < 0) return {};
    if (av_frame_get_buffer(frame.get(), 0) < 0) return {};

    std::string out;
    const auto frameSize = static_cast<std::size_t>(context->frame_size);
    for (std::size_t at = 0; at < mono.size(); at += frameSize) {
        if (cancel && *cancel) return {};
        if (av_frame_make_writable(frame.get()) < 0) return {};
        const std::size_t count = std::min(frameSize, mono.size() - at);
        auto* plane = reinterpret_cast<float*>(frame->data[0]);
        std::memcpy(plane, mono.data() + at, count * sizeof(float));
        std::fill(plane + count, plane + frameSize, 0.0f);
        frame->pts = static_cast<std::int64_t>(at);
        if (avcodec_send_frame(context.get(), frame.get()) < 0) return {};
        if (!Drain(context.get(), packet.get(), out)) return {};
    }
    if (avcodec_send_frame(context.get(), nullptr) < 0) return {};
    if (!Drain(context.get(), packet.get(), out)) return {};
    return out;
}

}  // namespace demo
