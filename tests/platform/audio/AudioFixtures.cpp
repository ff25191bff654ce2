#include "tests/platform/audio/AudioFixtures.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>
#include <random>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

namespace audio::testing {

namespace {

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutBig(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

double SampleAt(const Tone& tone, std::int64_t frame) {
    return tone.amplitude * std::sin(2 * std::numbers::pi * tone.frequency * frame / tone.rate);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::string SineWav(const Tone& tone) {
    const auto frames = static_cast<std::uint32_t>(tone.seconds * tone.rate);
    const std::uint32_t dataBytes = frames * tone.channels * 2;
    std::string out = "RIFF";
    PutLittle(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);  // PCM
    PutLittle(out, tone.channels, 2);
    PutLittle(out, tone.rate, 4);
    PutLittle(out, tone.rate * tone.channels * 2, 4);
    PutLittle(out, tone.channels * 2, 2);
    PutLittle(out, 16, 2);
    out += "data";
    PutLittle(out, dataBytes, 4);
    for (std::uint32_t f = 0; f < frames; ++f) {
        const auto value = static_cast<std::int16_t>(std::lrint(SampleAt(tone, f) * 32767));
        for (int c = 0; c < tone.channels; ++c) PutLittle(out, static_cast<std::uint16_t>(value), 2);
    }
    return out;
}

std::string SineMp3(const Tone& tone, int bitRate, bool raw) {
    const AVCodec* codec = avcodec_find_encoder_by_name("libmp3lame");
    if (codec == nullptr) return {};
    TempFolder folder;
    const std::string path = (folder / "tone.mp3").string();

    AVFormatContext* muxer = nullptr;
    if (avformat_alloc_output_context2(&muxer, nullptr, "mp3", path.c_str()) < 0) return {};
    AVCodecContext* encoder = avcodec_alloc_context3(codec);
    encoder->sample_rate = tone.rate;
    encoder->bit_rate = bitRate;
    encoder->sample_fmt = AV_SAMPLE_FMT_S16P;
    av_channel_layout_default(&encoder->ch_layout, tone.channels);
    AVStream* stream = avformat_new_stream(muxer, nullptr);
    bool ok = avcodec_open2(encoder, codec, nullptr) >= 0 &&
              avcodec_parameters_from_context(stream->codecpar, encoder) >= 0 &&
              avio_open(&muxer->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0;
    stream->time_base = AVRational{1, tone.rate};
    AVDictionary* options = nullptr;
    if (raw) {
        av_dict_set(&options, "write_xing", "0", 0);
        av_dict_set(&options, "id3v2_version", "0", 0);
    }
    ok = ok && avformat_write_header(muxer, &options) >= 0;
    av_dict_free(&options);

    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    const auto total = static_cast<std::int64_t>(tone.seconds * tone.rate);
    auto drain = [&] {
        while (avcodec_receive_packet(encoder, packet) == 0) {
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = 0;
            av_interleaved_write_frame(muxer, packet);
        }
    };
    for (std::int64_t at = 0; ok && at < total; at += encoder->frame_size) {
        frame->nb_samples = static_cast<int>(std::min<std::int64_t>(encoder->frame_size, total - at));
        frame->format = encoder->sample_fmt;
        av_channel_layout_copy(&frame->ch_layout, &encoder->ch_layout);
        frame->sample_rate = tone.rate;
        ok = av_frame_get_buffer(frame, 0) >= 0;
        for (int c = 0; ok && c < tone.channels; ++c) {
            auto* samples = reinterpret_cast<std::int16_t*>(frame->data[c]);
            for (int i = 0; i < frame->nb_samples; ++i)
                samples[i] = static_cast<std::int16_t>(std::lrint(SampleAt(tone, at + i) * 32767));
        }
        frame->pts = at;
        ok = ok && avcodec_send_frame(encoder, frame) >= 0;
        av_frame_unref(frame);
        drain();
    }
    avcodec_send_frame(encoder, nullptr);
    drain();
    if (ok) av_write_trailer(muxer);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&encoder);
    avio_closep(&muxer->pb);
    avformat_free_context(muxer);
    return ok ? ReadFile(path) : std::string{};
}

std::string OneNoteMidi(double seconds) {
    constexpr int kTicksPerQuarter = 480;  // at 120 beats a minute: 960 ticks a second
    const auto ticks = static_cast<std::uint32_t>(seconds * 960);
    std::string track;
    auto delta = [&track](std::uint32_t value) {  // a variable-length quantity
        std::string bytes(1, static_cast<char>(value & 0x7F));
        while (value >>= 7) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
        track += bytes;
    };
    delta(0);
    track += std::string("\xFF\x51\x03\x07\xA1\x20", 6);  // 500,000 us a quarter
    delta(0);
    track += std::string("\xC0\x00", 2);  // piano
    delta(0);
    track += std::string("\x90\x45\x64", 3);  // A4 on
    delta(ticks);
    track += std::string("\x80\x45\x00", 3);  // off
    delta(0);
    track += std::string("\xFF\x2F\x00", 3);

    std::string out = "MThd";
    PutBig(out, 6, 4);
    PutBig(out, 0, 2);
    PutBig(out, 1, 2);
    PutBig(out, kTicksPerQuarter, 2);
    out += "MTrk";
    PutBig(out, static_cast<std::uint32_t>(track.size()), 4);
    return out + track;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("melovia-audio-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool RecordingOutput::Start(RenderBlock render) {
    return silent_.Start([this, render = std::move(render)](std::int16_t* out, int frames,
                                                             std::int64_t first) {
        render(out, frames, first);
        int peak = 0;
        for (int i = 0; i < frames * kOutputChannels; ++i) peak = std::max(peak, std::abs(int{out[i]}));
        if (peak > 0 && firstSoundNs_.load() == 0)
            firstSoundNs_.store(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                    std::chrono::steady_clock::now().time_since_epoch())
                                    .count());
        int seen = peak_.load();
        while (peak > seen && !peak_.compare_exchange_weak(seen, peak)) {
        }
    });
}

}  // namespace audio::testing
