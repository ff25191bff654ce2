// melovia-demo-service [--port N]: stands in, on 127.0.0.1 only, for the
// audio search service, its content servers and the radio directory, so the
// player can be tried and tested without a network. Port 0 takes a free port;
// the first line on standard output names the address. Each request is
// logged on one line to standard error. SIGTERM or SIGINT stop it cleanly.
#include <httplib.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "tools/demo-service/Catalogue.h"
#include "tools/demo-service/RadioDirectory.h"
#include "tools/demo-service/ResultPage.h"
#include "tools/demo-service/StationStream.h"
#include "tools/demo-service/TrackStore.h"

namespace {

constexpr int kWorkers = 16;  // endless station streams each hold one

bool ParsePort(int argc, char** argv, int& port) {
    port = MELOVIA_DEMO_PORT;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 0 || value > 65535) return false;
            port = static_cast<int>(value);
        } else {
            return false;
        }
    }
    return true;
}

void Log(const httplib::Request& req, const httplib::Response& res) {
    const std::string range = req.get_header_value("Range");
    std::fprintf(stderr, "%s %s %d%s%s\n", req.method.c_str(), req.target.c_str(), res.status,
                 range.empty() ? "" : " ", range.c_str());
}

void AddRoutes(httplib::Server& server, demo::TrackStore& store,
               const std::vector<demo::Station>& stations, const std::string& baseUrl,
               const std::atomic<bool>& stopping) {
    server.Get("/gsearch.php", [&store](const httplib::Request& req, httplib::Response& res) {
        res.set_content(demo::ResultPage(store.tracks(), req.get_param_value("q")),
                        "text/html; charset=windows-1251");
    });
    server.Get(R"(/u(\d+)/audio/([0-9a-z]+)\.mp3)",
               [&store](const httplib::Request& req, httplib::Response& res) {
                   const int index = store.Find(std::atoi(req.matches[1].str().c_str()),
                                                req.matches[2].str());
                   const auto mp3 = index < 0 ? nullptr : store.Mp3(static_cast<std::size_t>(index));
                   if (!mp3) {
                       res.status = 404;
                       return;
                   }
                   // httplib answers Range requests from a provider that knows the length.
                   res.set_content_provider(
                       mp3->size(), "audio/mpeg",
                       [mp3](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                           return sink.write(mp3->data() + offset, length);
                       });
               });
    server.Get(R"(/by_genre/(.*))", [&stations](const httplib::Request& req, httplib::Response& res) {
        res.set_content(demo::GenrePage(stations, req.matches[1].str()),
                        "text/html; charset=windows-1251");
    });
    server.Get(R"(/station/(\d+)\.pls)",
               [&stations, baseUrl](const httplib::Request& req, httplib::Response& res) {
                   const auto n = std::strtoul(req.matches[1].str().c_str(), nullptr, 10);
                   if (n >= stations.size()) {
                       res.status = 404;
                       return;
                   }
                   res.set_content(demo::PlaylistFor(n, baseUrl), "audio/x-scpls");
               });
    server.Get(R"(/stream/(\d+))", [&store, &stations, &stopping](const httplib::Request& req,
                                                                  httplib::Response& res) {
        const auto n = std::strtoul(req.matches[1].str().c_str(), nullptr, 10);
        if (n >= stations.size()) {
            res.status = 404;
            return;
        }
        demo::ServeStation(store, stations[n], stopping, res);
    });
}

}  // namespace

int main(int argc, char** argv) {
    int port = 0;
    if (!ParsePort(argc, argv, port)) {
        std::fprintf(stderr, "usage: melovia-demo-service [--port N]\n");
        return 2;
    }
    // Signals are taken by one thread with sigwait; every other thread blocks them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    demo::TrackStore store(demo::DemoCatalogue());
    const std::vector<demo::Station> stations = demo::DemoStations(store.tracks().size());
    std::atomic<bool> stopping{false};

    httplib::Server server;
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    server.set_logger(Log);
    // httplib's default SO_REUSEPORT would let a second service share a taken
    // port unnoticed, each answering some of the requests.
    server.set_socket_options([](int socket) {
        int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    if (port == 0) port = server.bind_to_any_port("127.0.0.1");
    else if (!server.bind_to_port("127.0.0.1", port)) port = -1;
    if (port <= 0) {
        std::fprintf(stderr, "melovia-demo-service: cannot listen on 127.0.0.1:%s\n",
                     argc > 2 ? argv[2] : "default port");
        return 1;
    }
    const std::string baseUrl = "http://127.0.0.1:" + std::to_string(port);
    AddRoutes(server, store, stations, baseUrl, stopping);

    std::atomic<bool> listenEnded{false};
    std::thread signalWaiter([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        stopping = true;
        // stop() does nothing before the accept loop runs, and a signal may
        // come right after the address is printed.
        while (!listenEnded) {
            if (server.is_running()) {
                server.stop();
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    std::printf("listening on %s\n", baseUrl.c_str());
    std::fflush(stdout);
    store.PrepareAll();

    const bool served = server.listen_after_bind();
    listenEnded = true;
    if (!stopping) {
        // The server ended by itself: wake the waiter so it can be joined.
        stopping = true;
        pthread_kill(signalWaiter.native_handle(), SIGTERM);
    }
    signalWaiter.join();
    std::fprintf(stderr, "melovia-demo-service stopped\n");
    return served || stopping ? 0 : 1;
}
