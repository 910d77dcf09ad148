#pragma once

#include "platform/Ticker.h"

#include <QTimer>

#include <string>

// The countdown on a QTimer, named so that window tests can find it.
class QtTicker : public Ticker
{
public:
    // The timer's objectName is the name (the designer's "Timer3").
    explicit QtTicker(const std::string &name);

    // (Re)starts the timer with the interval, calling onTick on every timeout.
    void start(int intervalMs, std::function<void()> onTick) override;
    // True while the timer runs.
    bool isActive() const override;
    // The timer's interval: one second until start() sets another.
    int interval() const override;

private:
    QTimer m_timer;
    std::function<void()> m_onTick;
};
