#pragma once

#include <cstdint>
#include <random>

namespace zefa {

// Draws for the sample generator, computed from the raw 64-bit engine by our own formulas so
// that one seed gives the same numbers with every standard library.
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : engine_(seed) {}

    // Uniform in [0, 1).
    double uniform();
    // Uniform integer in [low, high].
    int between(int low, int high);
    // Standard normal (Box-Muller).
    double normal();
    bool chance(double probability) { return uniform() < probability; }

private:
    std::mt19937_64 engine_;
};

} // namespace zefa
