#pragma once

#include "platform/services.h"

#include <optional>
#include <random>

namespace platform::qt {

// Draws from the clock, or, given a seed, exactly as the driver's random
// source with that seed does, so a session can be replayed (and measured)
// with the same letters.
class QtRandom : public Random {
public:
    QtRandom() : QtRandom(std::nullopt) {}
    explicit QtRandom(std::optional<unsigned> seed);
    void randomize() override;
    int next(int bound) override;
    void seed(unsigned value);

private:
    std::optional<unsigned> seed_;
    unsigned reseeds_ = 0;
    std::mt19937 engine_;
};

} // namespace platform::qt
