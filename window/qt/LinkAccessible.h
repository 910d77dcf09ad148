#pragma once

#include <QAccessibleWidget>

#include <functional>

class QLabel;

// A label that is followed by clicking it, as a screen reader meets it: a link named
// by its caption, whose one action does what the click does.
class LinkAccessible : public QAccessibleWidget
{
public:
    LinkAccessible(QLabel *label, std::function<void()> follow);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    std::function<void()> m_follow;
};
