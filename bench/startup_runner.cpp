// Times the start-up of the game against the floor (an empty window of the
// same size), alternately, in one run:
//
//   bench-startup-runner [--runs N] FLOOR GAME [REFERENCE ...]
//
// Each program is a path, optionally followed by one argument ("path --text").
// Each start is a fork; the child reads the monotonic clock just before it
// execs the program, and the program prints the same clock at its first
// completed paint. The difference is the start-up time. The order within a
// round rotates from round to round, so that no program is favoured by what
// ran before it. Further programs are references, reported beside the two.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using pairon::bench::Median;
using pairon::bench::MonotonicNanoseconds;

struct Start {
    bool ok = false;
    double milliseconds = 0;   // exec to first paint
    long peakKilobytes = 0;    // VmHWM at the first paint
    double cpuMilliseconds = 0;  // processor time, all threads, to the first paint
    int paintEvents = 0;
    std::map<std::string, double> phases;  // milliseconds from exec
};

Start Launch(const std::string& command) {
    const std::size_t space = command.find(' ');
    const std::string path = command.substr(0, space);
    const std::string argument = space == std::string::npos ? std::string() : command.substr(space + 1);
    const char* program = path.c_str();
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        char line[64];
        const int length = std::snprintf(line, sizeof line, "launch %lld\n", static_cast<long long>(MonotonicNanoseconds()));
        if (write(STDOUT_FILENO, line, static_cast<std::size_t>(length)) != length) _exit(126);
        if (argument.empty()) {
            execl(program, program, static_cast<char*>(nullptr));
        } else {
            execl(program, program, argument.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);

    Start start;
    long long launch = -1, painted = -1;
    std::map<std::string, long long> stamps;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        char name[64];
        long long value;
        if (std::sscanf(line.c_str(), "launch %lld", &value) == 1) launch = value;
        if (std::sscanf(line.c_str(), "painted %lld", &value) == 1) painted = value;
        if (std::sscanf(line.c_str(), "hwm_kb %lld", &value) == 1) start.peakKilobytes = static_cast<long>(value);
        if (std::sscanf(line.c_str(), "paint_events %lld", &value) == 1) start.paintEvents = static_cast<int>(value);
        if (std::sscanf(line.c_str(), "cpu_us %lld", &value) == 1) start.cpuMilliseconds = static_cast<double>(value) / 1e3;
        if (std::sscanf(line.c_str(), "stamp %63s %lld", name, &value) == 2) stamps[name] = value;
    }
    if (launch < 0 || painted < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: no complete start-up (status %d)\n%s", command.c_str(), status, text.c_str());
        return start;
    }
    start.ok = true;
    start.milliseconds = static_cast<double>(painted - launch) / 1e6;
    for (const auto& [phase, time] : stamps) start.phases[phase] = static_cast<double>(time - launch) / 1e6;
    return start;
}

struct Series {
    std::vector<double> milliseconds, peak, cpu;
    std::map<std::string, std::vector<double>> phases;
    int paintEvents = 0;

    void Add(const Start& s) {
        milliseconds.push_back(s.milliseconds);
        peak.push_back(static_cast<double>(s.peakKilobytes));
        cpu.push_back(s.cpuMilliseconds);
        for (const auto& [phase, time] : s.phases) phases[phase].push_back(time);
        paintEvents = s.paintEvents;
    }
};

void PrintPhases(const char* name, const Series& s) {
    std::printf("  %-28s", name);
    for (const char* phase : {"main", "application", "window", "shown"}) {
        auto found = s.phases.find(phase);
        if (found != s.phases.end()) std::printf("  %s %.1f", phase, Median(found->second));
    }
    std::printf("  painted %.1f ms after exec (medians)\n", Median(s.milliseconds));
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15;
    std::vector<std::string> programs;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--runs") == 0 && k + 1 < argc) {
            runs = std::atoi(argv[++k]);
        } else {
            programs.emplace_back(argv[k]);
        }
    }
    if (programs.size() < 2 || runs < 1) {
        std::fprintf(stderr, "usage: bench-startup-runner [--runs N] FLOOR GAME [REFERENCE ...]\n");
        return 2;
    }
    auto name = [&](std::size_t k) {
        return k == 0 ? std::string("floor") : k == 1 ? std::string("game") : "ref " + programs[k].substr(programs[k].rfind('/') + 1);
    };

    // One start of each, not counted, so that all find the libraries and
    // fonts in the page cache.
    for (const std::string& program : programs) Launch(program);

    std::vector<Series> series(programs.size());
    // The game against the floor of the same round: both met the same load.
    std::vector<double> roundRatios, roundPeakRatios;
    for (int round = 0; round < runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t which = (k + static_cast<std::size_t>(round)) % programs.size();
            const Start s = Launch(programs[which]);
            if (!s.ok) return 1;
            series[which].Add(s);
            std::printf("round %2d  %-28s %7.1f ms  processor %6.1f ms  peak %6ld kB\n", round + 1, name(which).c_str(),
                        s.milliseconds, s.cpuMilliseconds, s.peakKilobytes);
        }
        roundRatios.push_back(series[1].milliseconds.back() / series[0].milliseconds.back());
        roundPeakRatios.push_back(series[1].peak.back() / series[0].peak.back());
    }

    const Series& floor = series[0];
    const Series& game = series[1];
    std::printf("\nmedians of %d starts each (ratios to the floor)\n", runs);
    std::printf("  %-28s %10s %7s %14s %7s %12s %7s %6s\n", "program", "start-up", "ratio", "processor", "ratio",
                "peak", "ratio", "paints");
    for (std::size_t k = 0; k < programs.size(); ++k) {
        const Series& s = series[k];
        std::printf("  %-28s %7.1f ms %7.2f %11.1f ms %7.2f %9.0f kB %7.2f %6d\n", name(k).c_str(), Median(s.milliseconds),
                    Median(s.milliseconds) / Median(floor.milliseconds), Median(s.cpu), Median(s.cpu) / Median(floor.cpu),
                    Median(s.peak), Median(s.peak) / Median(floor.peak), s.paintEvents);
    }
    const double timeRatio = Median(roundRatios);
    const double memoryRatio = Median(roundPeakRatios);
    std::printf("start-up: game %.1f ms, floor %.1f ms (medians), ratio of medians %.2f, median of the %d ratios of one round "
                "%.2f (budget 1.25: %s)\n",
                Median(game.milliseconds), Median(floor.milliseconds), Median(game.milliseconds) / Median(floor.milliseconds),
                runs, timeRatio, timeRatio <= 1.25 ? "met" : "NOT met");
    std::printf("peak memory: game %.0f kB, floor %.0f kB, ratio %.2f (budget 1.25: %s)\n", Median(game.peak),
                Median(floor.peak), memoryRatio, memoryRatio <= 1.25 ? "met" : "NOT met");
    std::printf("phases, ms after exec (medians):\n");
    for (std::size_t k = 0; k < programs.size(); ++k) PrintPhases(name(k).c_str(), series[k]);
    return 0;
}
