#include "tests/platform/audio/LoopbackServers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <httplib.h>

namespace audio::testing {

namespace {
constexpr int kPollMs = 20;
}

HttpServer::HttpServer(std::map<std::string, Page> pages, std::string loop)
    : pages_(std::move(pages)), loop_(std::move(loop)), server_(std::make_unique<httplib::Server>()) {
    server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        if (request.has_header("Range")) ++rangeRequests_;
        if (request.path == "/endless" && !loop_.empty()) {
            response.set_chunked_content_provider(
                "audio/mpeg", [this, at = std::size_t{0}](std::size_t, httplib::DataSink& sink) mutable {
                    if (stopping_.load()) return false;
                    const std::size_t piece = std::min<std::size_t>(4096, loop_.size() - at);
                    if (!sink.write(loop_.data() + at, piece)) return false;
                    at = (at + piece) % loop_.size();
                    return true;
                });
            return;
        }
        const auto found = pages_.find(request.path);
        if (found == pages_.end()) {
            response.status = 404;
            return;
        }
        response.set_content(found->second.body, found->second.type.c_str());
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
}

HttpServer::~HttpServer() {
    stopping_.store(true);
    server_->stop();
    thread_.join();
}

std::string HttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

RawServer::RawServer(Mode mode, std::string first, std::string loop)
    : mode_(mode), first_(std::move(first)), loop_(std::move(loop)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(listener_, 8);
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    if (mode_ == Mode::Icy) thread_ = std::thread([this] { Serve(); });
}

RawServer::~RawServer() {
    stopping_.store(true);
    {
        std::lock_guard lock(mutex_);
        released_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
    ::close(listener_);
}

std::string RawServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void RawServer::Release() {
    {
        std::lock_guard lock(mutex_);
        released_ = true;
    }
    wake_.notify_all();
}

bool RawServer::SendAll(int socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (stopping_.load()) return false;
        pollfd ready{socket, POLLOUT, 0};
        if (::poll(&ready, 1, kPollMs) <= 0) continue;
        const ssize_t n = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void RawServer::Serve() {
    int client = -1;
    while (client < 0) {
        if (stopping_.load()) return;
        pollfd ready{listener_, POLLIN, 0};
        if (::poll(&ready, 1, kPollMs) > 0) client = ::accept(listener_, nullptr, nullptr);
    }
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && !stopping_.load()) {
        pollfd ready{client, POLLIN, 0};
        if (::poll(&ready, 1, kPollMs) <= 0) continue;
        const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const std::string head = "ICY 200 OK\r\nicy-name: Loopback\r\ncontent-type: audio/mpeg\r\n\r\n";
    if (SendAll(client, head) && SendAll(client, first_)) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return released_; });
        }
        while (!loop_.empty() && SendAll(client, loop_)) {
        }
    }
    ::close(client);
}

}  // namespace audio::testing
