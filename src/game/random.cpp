#include "game/random.h"

#include <chrono>

namespace pairon {

namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

std::uint64_t HighResolutionClockTicks() {
    auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

MixingRandom::MixingRandom() : MixingRandom(HighResolutionClockTicks(), &HighResolutionClockTicks) {}

MixingRandom::MixingRandom(std::uint64_t seed, Clock clock) : clock_(clock) { Seed(seed); }

void MixingRandom::Seed(std::uint64_t seed) {
    for (auto& word : state_) word = SplitMix64(seed);
}

std::uint64_t MixingRandom::Next() {
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

double MixingRandom::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

void MixingRandom::ReseedFromClock() {
    // Fold the clock reading and the reseed count into the running state; the
    // count makes two reseeds at one clock reading differ all the same.
    std::uint64_t mix = (clock_ ? clock_() : 0) ^ (++reseeds_ * 0xD1B54A32D192ED03ULL);
    for (auto& word : state_) word ^= SplitMix64(mix);
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) state_[0] = 1;
    Next();
}

}  // namespace pairon
