#include "platform/qt/QtTicker.h"

QtTicker::QtTicker(const std::string &name)
{
    m_timer.setObjectName(QString::fromStdString(name));
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (m_onTick)
            m_onTick();
    });
}

void QtTicker::start(int intervalMs, std::function<void()> onTick)
{
    m_onTick = std::move(onTick);
    m_timer.start(intervalMs);
}

bool QtTicker::isActive() const
{
    return m_timer.isActive();
}

int QtTicker::interval() const
{
    return m_timer.interval();
}
