#include "tools/demo-service/DemoServiceProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

extern char** environ;

DemoServiceProcess::DemoServiceProcess(int port) {
    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0x1 /* O_WRONLY */, 0);
    std::string portText = std::to_string(port);
    char program[] = MELOVIA_DEMO_SERVICE_PATH;
    char flag[] = "--port";
    char* argv[] = {program, flag, portText.data(), nullptr};
    const int spawned = posix_spawn(&pid_, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        pid_ = -1;
        ::close(out[0]);
        return;
    }
    // The first line names the address: "listening on http://127.0.0.1:PORT".
    std::string line;
    pollfd readable{out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && ::poll(&readable, 1, 10000) > 0) {
        char buffer[256];
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    const auto colon = line.rfind(':');
    if (line.rfind("listening on", 0) == 0 && colon != std::string::npos)
        port_ = std::atoi(line.c_str() + colon + 1);
}

DemoServiceProcess::~DemoServiceProcess() {
    if (pid_ > 0 && !Stop()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool DemoServiceProcess::Stop(int timeoutMilliseconds) {
    if (pid_ <= 0) return false;
    ::kill(pid_, SIGTERM);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            port_ = 0;
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}
