// What sound costs the game: the time a card click spends handing its cues
// to the sound thread, the click with and without sound, the memory the
// loaded cues and the sound thread take, and, with a sound server to play
// on, the time from a click to its cue's first sound at the server's sink.
//
//   bench-sound [--games N]
//
// With PAIRON_BENCH_MONITOR naming a sink's monitor (bench/run.sh sound starts
// a server with a null sink), parec records it while the window plays: every
// chunk is stamped as it arrives, so a sample's time is known to within the
// recorder's own latency, which it adds: the figure is an upper bound.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "desktop/sound/sound.h"
#include "view_driver.h"

namespace {

using pairon::bench::Median;
using pairon::bench::MonotonicNanoseconds;
using pairon::bench::Percentile;

// Hands each event to the sound and times the hand-over.
class TimedSound : public pairon::HappeningListener {
public:
    explicit TimedSound(pairon::GameSound& sound) : sound_(sound) {}
    void Heard(const std::vector<pairon::Happening>& happenings, const pairon::MainForm& form) override {
        const std::int64_t start = MonotonicNanoseconds();
        const std::int64_t startProcessor = pairon::bench::ThreadProcessorNanoseconds();
        sound_.Heard(happenings, form);
        times.push_back(static_cast<double>(MonotonicNanoseconds() - start));
        processor.push_back(static_cast<double>(pairon::bench::ThreadProcessorNanoseconds() - startProcessor));
    }
    std::vector<double> times;
    std::vector<double> processor;  // of the calling thread: the time less any wait for a processor

private:
    pairon::GameSound& sound_;
};

void Wait(int ms) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        usleep(1000);
    }
}

// One game of a lone seat: a miss, its pause ended, then every pair, each
// click timed; `pause` waits between clicks (0: none).
std::vector<double> PlayTimed(pairon::bench::ViewDriver& driver, int pauseMs, std::vector<std::int64_t>* clicks = nullptr) {
    std::vector<double> times;
    auto click = [&](int code) {
        if (clicks) clicks->push_back(MonotonicNanoseconds());
        const std::int64_t start = MonotonicNanoseconds();
        driver.ClickCard(code);
        times.push_back(static_cast<double>(MonotonicNanoseconds() - start));
        if (pauseMs) Wait(pauseMs);
    };
    driver.Press("cmdNew");
    driver.Press("cmdDone");
    if (pauseMs) Wait(pauseMs);
    const std::vector<int> pairs = driver.PairsInOrder();
    click(pairs[0]);
    click(pairs[2]);
    driver.CardDelayTick();
    if (pauseMs) Wait(pauseMs);
    for (int code : pairs) click(code);
    driver.Press("cmdNew");
    if (pauseMs) Wait(pauseMs);
    return times;
}

// parec's samples as they arrive, each chunk with the time it came.
struct Recording {
    struct Chunk {
        std::int64_t arrived;
        std::vector<std::int16_t> samples;
    };
    std::vector<Chunk> chunks;
    std::mutex lock;
};

}  // namespace

int main(int argc, char** argv) {
    pairon::bench::OffscreenApplication app(argc, argv);
    const pairon::bench::BoardRun run = pairon::bench::ParseBoardRun(argc, argv, 10);
    pairon::bench::ViewDriver driver;
    driver.ChooseSize(run.width, run.height);
    driver.ChoosePlayers(1);

    // The click without sound, then the memory before the sound starts.
    std::vector<double> silent;
    for (int g = 0; g < run.games; ++g) {
        for (double t : PlayTimed(driver, 0)) silent.push_back(t);
    }
    Wait(200);
    const long residentBefore = pairon::bench::StatusKilobytes("VmRSS");

    pairon::GameSound sound(QCoreApplication::applicationDirPath());
    TimedSound timed(sound);
    driver.View().Listen(&timed);
    sound.Start();
    Wait(1000);
    const long residentAfter = pairon::bench::StatusKilobytes("VmRSS");

    std::vector<double> heard;
    for (int g = 0; g < run.games; ++g) {
        for (double t : PlayTimed(driver, 0)) heard.push_back(t);
        Wait(50);
    }
    std::printf("card clicks: %zu without sound, %zu with\n", silent.size(), heard.size());
    std::printf("  click, handled, without sound: median %.1f us\n", Median(silent) / 1000);
    std::printf("  click, handled, with sound:    median %.1f us\n", Median(heard) / 1000);
    std::printf("  of which handing the cues to the sound thread: median %.1f us, 99th percentile %.1f us, "
                "largest %.1f us (budget 1000 us)\n",
                Median(timed.times) / 1000, Percentile(timed.times, 0.99) / 1000,
                timed.times.empty() ? 0.0 : *std::max_element(timed.times.begin(), timed.times.end()) / 1000);
    std::printf("  ... its processor time: median %.1f us, 99th percentile %.1f us, largest %.1f us\n",
                Median(timed.processor) / 1000, Percentile(timed.processor, 0.99) / 1000,
                timed.processor.empty() ? 0.0
                                        : *std::max_element(timed.processor.begin(), timed.processor.end()) / 1000);
    std::printf("resident memory: %ld kB before the sound starts, %ld kB with the cues loaded and the sound thread "
                "waiting: +%ld kB\n",
                residentBefore, residentAfter, residentAfter - residentBefore);

    const char* monitor = std::getenv("PAIRON_BENCH_MONITOR");
    if (!monitor || !*monitor) {
        std::printf("click to sound: no PAIRON_BENCH_MONITOR; run through 'sh bench/run.sh sound'\n");
        driver.View().StopListening(&timed);
        return 0;
    }

    // parec, started by this process and ended by its process id.
    const std::string device = std::string("--device=") + monitor;
    std::vector<const char*> arguments = {"parec", "--latency-msec=5", "--process-time-msec=2", device.c_str(),
                                          "--format=s16le", "--channels=1", "--rate=44100", "--raw", nullptr};
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t recorderPid = 0;
    if (posix_spawnp(&recorderPid, "parec", &actions, nullptr, const_cast<char* const*>(arguments.data()), environ) != 0) {
        std::printf("click to sound: parec could not be started\n");
        return 1;
    }
    close(pipeEnds[1]);
    const int recorderOutput = pipeEnds[0];
    Recording recording;
    std::atomic<bool> recording_on{true};
    std::thread reader([&] {
        std::vector<std::int16_t> buffer(256);
        while (recording_on) {
            const ssize_t got = read(recorderOutput, buffer.data(), buffer.size() * 2);
            if (got <= 0) break;
            const std::int64_t now = MonotonicNanoseconds();
            const std::lock_guard guard(recording.lock);
            recording.chunks.push_back({now, std::vector<std::int16_t>(buffer.begin(), buffer.begin() + got / 2)});
        }
    });
    Wait(1500);  // the recorder's start
    std::vector<std::int64_t> clicks;
    for (int g = 0; g < 2; ++g) PlayTimed(driver, 600, &clicks);
    Wait(800);
    recording_on = false;
    kill(recorderPid, SIGTERM);
    waitpid(recorderPid, nullptr, 0);
    reader.join();
    close(recorderOutput);

    // For each click, the first loud sample after it: the time its chunk
    // arrived, less the samples that came after it in that chunk.
    std::vector<double> latencies;
    int unheard = 0;
    for (std::int64_t click : clicks) {
        bool found = false;
        for (const Recording::Chunk& chunk : recording.chunks) {
            const std::int64_t first = chunk.arrived - static_cast<std::int64_t>(chunk.samples.size()) * 1'000'000'000 / 44100;
            if (chunk.arrived < click) continue;
            for (std::size_t k = 0; k < chunk.samples.size(); ++k) {
                const std::int64_t at = first + static_cast<std::int64_t>(k) * 1'000'000'000 / 44100;
                if (at < click || std::abs(chunk.samples[k]) < 64) continue;
                latencies.push_back(static_cast<double>(at - click));
                found = true;
                break;
            }
            if (found) break;
        }
        if (!found) ++unheard;
    }
    std::printf("click to the cue's first sound at the null sink: %zu clicks, median %.1f ms, 90th percentile %.1f ms, "
                "largest %.1f ms, %d not heard (budget 60 ms)\n",
                latencies.size(), Median(latencies) / 1e6, Percentile(latencies, 0.9) / 1e6,
                latencies.empty() ? 0.0 : *std::max_element(latencies.begin(), latencies.end()) / 1e6, unheard);
    driver.View().StopListening(&timed);
    return 0;
}
