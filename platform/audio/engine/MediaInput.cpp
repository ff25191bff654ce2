#include "platform/audio/engine/MediaInput.h"

#include <algorithm>
#include <cctype>

extern "C" {
#include <libavutil/dict.h>
#include <libavutil/error.h>
}

namespace audio {

namespace {

struct DictionaryFreer {
    AVDictionary* dictionary = nullptr;
    ~DictionaryFreer() { av_dict_free(&dictionary); }
};

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Reads the stream headers; on failure closes the context and says why.
FormatContextPtr FindStreams(AVFormatContext* context, std::string& error) {
    FormatContextPtr owned(context);
    const int found = avformat_find_stream_info(owned.get(), nullptr);
    if (found < 0) {
        error = "no stream information: " + FfmpegErrorText(found);
        return nullptr;
    }
    return owned;
}

}  // namespace

void NetworkGuard::SetDeadline(std::chrono::steady_clock::time_point deadline) {
    deadlineNs_.store(std::chrono::duration_cast<std::chrono::nanoseconds>(
                          deadline.time_since_epoch())
                          .count());
}

int NetworkGuard::Check(void* opaque) {
    const auto& guard = *static_cast<const NetworkGuard*>(opaque);
    if (guard.interrupted_.load()) return 1;
    const std::int64_t deadline = guard.deadlineNs_.load();
    if (deadline == 0) return 0;
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
    return now >= deadline ? 1 : 0;
}

std::string FfmpegErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

bool IsHttpUrl(const std::string& url) {
    return StartsWithNoCase(url, "http://") || StartsWithNoCase(url, "https://");
}

FormatContextPtr OpenMediaFile(const std::filesystem::path& path, std::string& error) {
    AVFormatContext* context = nullptr;
    DictionaryFreer options;
    // A local file may be a playlist or manifest too; keep it to local files.
    av_dict_set(&options.dictionary, "protocol_whitelist", "file", 0);
    const int opened =
        avformat_open_input(&context, path.string().c_str(), nullptr, &options.dictionary);
    if (opened < 0) {
        error = FfmpegErrorText(opened);
        return nullptr;
    }
    return FindStreams(context, error);
}

FormatContextPtr OpenMediaUrl(const std::string& url, NetworkGuard& guard,
                              std::chrono::milliseconds timeout, std::string& error) {
    if (!IsHttpUrl(url)) {
        error = "only http:// and https:// addresses are played";
        return nullptr;
    }
    AVFormatContext* context = avformat_alloc_context();
    if (context == nullptr) {
        error = "out of memory";
        return nullptr;
    }
    context->interrupt_callback.callback = &NetworkGuard::Check;
    context->interrupt_callback.opaque = &guard;

    DictionaryFreer options;
    auto set = [&](const char* key, const std::string& value) {
        av_dict_set(&options.dictionary, key, value.c_str(), 0);
    };
    // Also binds every playlist entry, segment and redirect the server names.
    set("protocol_whitelist", "http,https,tcp,tls");
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(timeout).count();
    set("rw_timeout", std::to_string(micros));
    // No ICY metadata is asked for, so none is interleaved with the audio.
    set("icy", "0");
    set("tls_verify", "1");
    set("reconnect", "1");
    set("reconnect_streamed", "1");
    set("reconnect_delay_max", "2");
    // Radio streams trickle in at their bit rate: start from what a moment brings
    // instead of waiting for seconds of it.
    set("probesize", "65536");
    set("analyzeduration", "250000");

    guard.SetDeadline(std::chrono::steady_clock::now() + timeout);
    const int opened = avformat_open_input(&context, url.c_str(), nullptr, &options.dictionary);
    if (opened < 0) {
        guard.ClearDeadline();
        error = guard.Interrupted() || opened == AVERROR_EXIT ? "no answer in time"
                                                              : FfmpegErrorText(opened);
        return nullptr;
    }
    FormatContextPtr result = FindStreams(context, error);
    // Past the deadline FFmpeg may still call it a success with what it got;
    // the connection is spoilt by then.
    if (NetworkGuard::Check(&guard)) {
        error = "no answer in time";
        result.reset();
    }
    guard.ClearDeadline();
    return result;
}

}  // namespace audio
