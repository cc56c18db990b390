#include "sample/SampleRandom.h"

#include <cmath>
#include <numbers>

namespace zefa {

double SampleRandom::uniform() {
    // The top 53 bits make an exact double fraction.
    return double(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

int SampleRandom::between(int low, int high) {
    return low + int(uniform() * double(high - low + 1));
}

double SampleRandom::normal() {
    const double u = 1.0 - uniform(); // (0, 1]: the logarithm stays finite
    const double v = uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
}

} // namespace zefa
