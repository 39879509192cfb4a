#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>

// The process's own peak resident memory (VmHWM), in kilobytes.
inline long peakResidentKb() {
    long kb = 0;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld", &kb) == 1)
                break;
        std::fclose(status);
    }
    return kb;
}

// Watches a window's paint events; at the first one that shows a finished picture it prints the
// monotonic clock (nanoseconds) and quits the event loop.
class QuitAfterFirstPaint : public QObject {
public:
    QuitAfterFirstPaint(QWidget* window, std::function<bool()> pictureReady)
        : m_pictureReady(std::move(pictureReady)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The paint goes on as usual; the clock is read once it has been delivered.
        if (event->type() == QEvent::Paint && !m_done && m_pictureReady()) {
            m_done = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            peakResidentKb());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    std::function<bool()> m_pictureReady;
    bool m_done = false;
};
