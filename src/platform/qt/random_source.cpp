#include "platform/qt/random_source.h"

#include <chrono>

namespace platform::qt {
namespace {

unsigned clockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<unsigned>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

} // namespace

QtRandom::QtRandom(std::optional<unsigned> seed)
    : seed_(seed), engine_(seed.value_or(clockSeed())) {}

void QtRandom::seed(unsigned value) {
    seed_ = value;
    reseeds_ = 0;
    engine_.seed(value);
}

void QtRandom::randomize() {
    engine_.seed(seed_ ? *seed_ + ++reseeds_ : clockSeed());
}

int QtRandom::next(int bound) {
    if (bound <= 1) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, bound - 1)(engine_);
}

} // namespace platform::qt
