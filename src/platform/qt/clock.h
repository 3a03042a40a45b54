#pragma once

#include "platform/services.h"

#include <QElapsedTimer>

namespace platform::qt {

class QtClock : public Clock {
public:
    QtClock();
    TimeOfDay timeOfDay() override;
    Date today() override;
    double monotonicSeconds() override;

private:
    QElapsedTimer started_;
};

} // namespace platform::qt
