#pragma once

namespace pel {

// A moment in local time, as a file name can carry it.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;

    // Blocks the calling thread; only for short waits at start.
    virtual void WaitMilliseconds(int milliseconds) = 0;
    [[nodiscard]] virtual LocalTime Now() const = 0;
};

}  // namespace pel
