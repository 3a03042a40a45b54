#pragma once

#include "platform/services.h"

#include <random>

namespace platform::qt {

class QtRandom : public Random {
public:
    QtRandom();
    void randomize() override;
    int next(int bound) override;

private:
    std::mt19937 engine_;
};

} // namespace platform::qt
