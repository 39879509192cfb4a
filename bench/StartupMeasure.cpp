#include "StartupMeasure.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// A private X server for the measurement, ended with the measurement.
class XServer {
public:
    XServer() {
        for (int number = 80; number < 90 && m_pid == 0; ++number) {
            char lock[64];
            char socket[64];
            char display[16];
            std::snprintf(lock, sizeof lock, "/tmp/.X%d-lock", number);
            std::snprintf(socket, sizeof socket, "/tmp/.X11-unix/X%d", number);
            std::snprintf(display, sizeof display, ":%d", number);
            if (access(lock, F_OK) == 0)
                continue;
            m_display = display;
            char* arguments[] = {const_cast<char*>("Xvfb"),         m_display.data(),
                                 const_cast<char*>("-screen"),      const_cast<char*>("0"),
                                 const_cast<char*>("1280x1024x24"), const_cast<char*>("-nolisten"),
                                 const_cast<char*>("tcp"),          nullptr};
            pid_t pid = 0;
            if (posix_spawnp(&pid, "Xvfb", nullptr, nullptr, arguments, environ) != 0)
                return;
            for (int wait = 0; wait < 100 && access(socket, F_OK) != 0; ++wait)
                usleep(50000);
            if (access(socket, F_OK) == 0)
                m_pid = pid;
            else
                kill(pid, SIGTERM);
        }
    }
    ~XServer() {
        if (m_pid != 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    bool running() const { return m_pid != 0; }
    const std::string& display() const { return m_display; }

private:
    pid_t m_pid = 0;
    std::string m_display;
};

struct Sample {
    double ms = 0;
    double mb = 0;
};

// Spawns the program with its output on a pipe; it prints the clock at its first picture.
Sample runOnce(const char* path) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* arguments[] = {const_cast<char*>(path), nullptr};
    const long long start = monotonicNs();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[64];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    // The program prints the clock at its first picture and its own peak resident memory.
    long long painted = start;
    long long peakKb = 0;
    std::sscanf(output.c_str(), "%lld %lld", &painted, &peakKb);
    return {static_cast<double>(painted - start) / 1e6, static_cast<double>(peakKb) / 1024};
}

// Wall time from the spawn to the exit of a run that exports one picture.
double exportOnce(const char* path, const std::string& target) {
    char* arguments[] = {const_cast<char*>(path), const_cast<char*>("--export"),
                         const_cast<char*>(target.c_str()), nullptr};
    const long long start = monotonicNs();
    pid_t child = 0;
    if (posix_spawn(&child, path, nullptr, nullptr, arguments, environ) != 0)
        return 0;
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<double>(monotonicNs() - start) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

StartupFigures MeasureStartup(const char* programPath, const char* barePath, int runs) {
    XServer server;
    if (server.running()) {
        setenv("DISPLAY", server.display().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    } else {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    std::vector<double> programMs, bareMs, programMb, bareMb;
    for (int run = 0; run < runs; ++run) {
        const Sample bare = runOnce(barePath);
        const Sample program = runOnce(programPath);
        bareMs.push_back(bare.ms);
        bareMb.push_back(bare.mb);
        programMs.push_back(program.ms);
        programMb.push_back(program.mb);
    }
    return {median(programMs), median(bareMs), median(programMb),
            median(bareMb),    runs,           server.running() ? "Xvfb" : "offscreen"};
}

double MeasureExportMs(const char* programPath, int runs) {
    unsetenv("DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    const std::string target = "/tmp/tovenal-bench-" + std::to_string(getpid()) + ".png";
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run)
        ms.push_back(exportOnce(programPath, target));
    std::remove(target.c_str());
    return median(ms);
}
