#pragma once

// Ends a start-up run the moment a window has been painted and shown: at its
// first paint event it queues a zero-delay call, which runs once the whole
// paint pass (the window and every child) is done and flushed to the screen.
// Then it prints the time, the peak resident memory and the paint count, and
// leaves the event loop.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "bench_support.h"

namespace pairon::bench {

// Resident memory by mapping (a file, or the kind of anonymous memory), largest
// first, on stderr: what makes up the peak.
inline void PrintResidentMappings() {
    std::FILE* maps = std::fopen("/proc/self/smaps", "r");
    if (!maps) return;
    // BENCH_RESIDENT_MAPPINGS=detail lists each mapping on its own.
    const char* what = std::getenv("BENCH_RESIDENT_MAPPINGS");
    const bool detail = what && std::string(what) == "detail";
    std::map<std::string, long> byName;
    std::string current;
    char line[1024];
    while (std::fgets(line, sizeof line, maps)) {
        unsigned long from, to;
        char perms[8];
        int consumed = 0;
        if (std::sscanf(line, "%lx-%lx %7s %*s %*s %*s%n", &from, &to, perms, &consumed) == 3) {
            std::string rest = line + consumed;
            rest.erase(0, rest.find_first_not_of(' '));
            if (!rest.empty() && rest.back() == '\n') rest.pop_back();
            current = rest.empty() ? std::string("[anonymous ") + perms + "]" : rest;
            if (detail) current += " " + std::string(line, line + 25);
            continue;
        }
        long kb;
        if (std::sscanf(line, "Rss: %ld kB", &kb) == 1) byName[current] += kb;
    }
    std::fclose(maps);
    std::multimap<long, std::string, std::greater<>> sorted;
    for (const auto& [name, kb] : byName) sorted.emplace(kb, name);
    for (const auto& [kb, name] : sorted) {
        if (kb >= 64) std::fprintf(stderr, "%8ld kB  %s\n", kb, name.c_str());
    }
}

inline void PrintStamp(const char* what) {
    std::printf("stamp %s %lld\n", what, static_cast<long long>(MonotonicNanoseconds()));
}

class FirstPaint : public QObject {
public:
    // `painted` runs in place of quitting, when given.
    explicit FirstPaint(QWidget* window, std::function<void()> painted = {})
        : window_(window), painted_(std::move(painted)) {
        qApp->installEventFilter(this);
    }

    int PaintedWidgets() const { return paints_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Paint || done_) return false;
        ++paints_;
        if (object == window_ && !queued_) {
            queued_ = true;
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        done_ = true;
        std::printf("painted %lld\n", static_cast<long long>(MonotonicNanoseconds()));
        std::printf("paint_events %d\n", paints_);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        std::printf("cpu_us %lld\n", static_cast<long long>(cpu * 1e3));
        std::printf("hwm_kb %ld\nrss_kb %ld\n", StatusKilobytes("VmHWM"), StatusKilobytes("VmRSS"));
        std::fflush(stdout);
        if (std::getenv("BENCH_RESIDENT_MAPPINGS")) PrintResidentMappings();
        if (painted_) {
            painted_();
        } else {
            QCoreApplication::exit(0);
        }
    }

    QWidget* window_;
    std::function<void()> painted_;
    int paints_ = 0;
    bool queued_ = false;
    bool done_ = false;
};

}  // namespace pairon::bench
