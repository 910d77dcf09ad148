#pragma once

#include "platform/Ticker.h"

#include <QTimer>

class QtTicker : public Ticker
{
public:
    explicit QtTicker(const QString &name);

    void start(int intervalMs, std::function<void()> onTick) override;
    bool isActive() const override;
    int interval() const override;

private:
    QTimer m_timer;
    std::function<void()> m_onTick;
};
