#pragma once

#include "jvdata/DateTime.h"

namespace zefa {

// Where the program learns the time: the computer's clock, or a set time in tests and replays.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    DateTime now() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime time) : time_(time) {}
    DateTime now() const override { return time_; }
    void set(DateTime time) { time_ = time; }

private:
    DateTime time_;
};

} // namespace zefa
