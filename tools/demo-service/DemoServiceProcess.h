// Runs the demo service as a child process (for tests and benchmarks) and
// stops it again (SIGTERM, then SIGKILL if it lingers), so none is left behind.
#pragma once

#include <sys/types.h>

#include <string>

class DemoServiceProcess {
public:
    // port 0 lets the service pick a free one.
    explicit DemoServiceProcess(int port = 0);
    ~DemoServiceProcess();
    DemoServiceProcess(const DemoServiceProcess&) = delete;
    DemoServiceProcess& operator=(const DemoServiceProcess&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

    // Sends SIGTERM and waits; true when it exited on its own with status 0.
    bool Stop(int timeoutMilliseconds = 5000);

private:
    pid_t pid_ = -1;
    int port_ = 0;
};
