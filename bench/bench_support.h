#pragma once

// Small helpers the bench programs share: a clock every process reads alike,
// the process's resident memory, and medians.

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace pairon::bench {

// Nanoseconds on the monotonic clock: the same clock in every process, so a
// time taken by a launcher and one taken by the program it starts compare.
inline std::int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Nanoseconds of processor time the calling thread has used: the cost of a
// step without the time the shared machine kept it waiting.
inline std::int64_t ThreadProcessorNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// A field of /proc/self/status in kB, such as "VmHWM" (peak resident) or
// "VmRSS" (resident now); -1 when it cannot be read.
inline long StatusKilobytes(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return value;
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The value below which a share p (0 ... 1) of the values lie, nearest rank.
inline double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    auto rank = static_cast<std::size_t>(p * static_cast<double>(values.size()));
    if (rank >= values.size()) rank = values.size() - 1;
    return values[rank];
}

}  // namespace pairon::bench
