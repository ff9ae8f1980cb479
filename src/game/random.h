#pragma once

#include <cstdint>

namespace pairon {

// The game's only source of chance: a uniform value in [0, 1), and a reseed
// from the clock at every deal and every computer pick.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Uniform() = 0;
    virtual void ReseedFromClock() = 0;
};

// xoshiro256** with the clock mixed into its state at each reseed. Mixing,
// rather than replacing the state, keeps draws independent even when two
// reseeds read the same coarse clock value microseconds apart.
class MixingRandom : public RandomSource {
public:
    using Clock = std::uint64_t (*)();

    // The program's generator: seeded from, and reseeded with, a
    // high-resolution clock.
    MixingRandom();
    // A reproducible generator: a fixed seed, and a clock of your choosing
    // (a constant one makes every reseed deterministic).
    MixingRandom(std::uint64_t seed, Clock clock);

    double Uniform() override;
    void ReseedFromClock() override;

    std::uint64_t Next();

private:
    void Seed(std::uint64_t seed);

    std::uint64_t state_[4]{};
    std::uint64_t reseeds_ = 0;
    Clock clock_ = nullptr;
};

// For the simulator and reproducible tests: a seeded generator whose reseeds
// mix in nothing but their own count.
class SeededRandom : public MixingRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : MixingRandom(seed, &NoClock) {}

private:
    static std::uint64_t NoClock() { return 0; }
};

std::uint64_t HighResolutionClockTicks();

}  // namespace pairon
