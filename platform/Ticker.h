#pragma once

#include <functional>

// A repeating timer, so that a countdown can be driven without waiting for it.
class Ticker
{
public:
    virtual ~Ticker() = default;
    // Starts ticking every intervalMs milliseconds, calling onTick each time.
    virtual void start(int intervalMs, std::function<void()> onTick) = 0;
    // True while it ticks.
    virtual bool isActive() const = 0;
    // The interval given to start(), or the design interval before it.
    virtual int interval() const = 0;
};
