// Servers on 127.0.0.1 (ephemeral ports) for the URL stream tests.
//
// Threads: each server answers on threads of its own; the test thread builds,
// releases and destroys it. Destruction stops and joins everything.
#pragma once

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace audio::testing {

struct Page {
    std::string body;
    std::string type = "audio/mpeg";
};

// HTTP with byte ranges for fixed pages, and "/endless" as a chunked stream
// that repeats loop until the server stops.
class HttpServer {
public:
    HttpServer(std::map<std::string, Page> pages, std::string loop = {});
    ~HttpServer();
    std::string Url(const std::string& path) const;
    int RangeRequests() const { return rangeRequests_.load(); }

private:
    const std::map<std::string, Page> pages_;
    const std::string loop_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> rangeRequests_{0};
};

// A raw socket server. NeverAnswer listens but never accepts, like a host that
// does not answer. Icy answers the first request with "ICY 200 OK", sends
// first, then nothing until Release(), then repeats loop until destroyed.
class RawServer {
public:
    enum class Mode { NeverAnswer, Icy };
    explicit RawServer(Mode mode, std::string first = {}, std::string loop = {});
    ~RawServer();
    std::string Url(const std::string& path) const;
    void Release();

private:
    void Serve();
    bool SendAll(int socket, const std::string& bytes);

    const Mode mode_;
    const std::string first_;
    const std::string loop_;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool released_ = false;  // guarded by mutex_
    std::atomic<bool> stopping_{false};
};

}  // namespace audio::testing
