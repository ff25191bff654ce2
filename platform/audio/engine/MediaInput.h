// Opening what FFmpeg reads: a local file, or an http(s) URL with a protocol
// whitelist, time limits and an interrupt that StreamFree can pull.
//
// Threads: Open* run on the GUI thread; the opened context then belongs to the
// decode thread. NetworkGuard is read by FFmpeg on whichever thread blocks in
// it and written from any thread (atomics only).
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace audio {

struct FormatContextCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextCloser>;

// Blocking FFmpeg calls poll this; it says stop once interrupted or past the deadline.
class NetworkGuard {
public:
    void Interrupt() { interrupted_.store(true); }
    bool Interrupted() const { return interrupted_.load(); }
    // A deadline of zero means none.
    void SetDeadline(std::chrono::steady_clock::time_point deadline);
    void ClearDeadline() { deadlineNs_.store(0); }
    static int Check(void* guard);  // AVIOInterruptCB: nonzero aborts

private:
    std::atomic<bool> interrupted_{false};
    std::atomic<std::int64_t> deadlineNs_{0};
};

// "" and a context on success, else null and the reason.
FormatContextPtr OpenMediaFile(const std::filesystem::path& path, std::string& error);

// Only http:// and https:// URLs; anything the remote side points to must stay
// on those protocols. Gives up after timeout (connecting, answering, probing).
FormatContextPtr OpenMediaUrl(const std::string& url, NetworkGuard& guard,
                              std::chrono::milliseconds timeout, std::string& error);

bool IsHttpUrl(const std::string& url);

std::string FfmpegErrorText(int code);

}  // namespace audio
