#include "window/qt/LinkAccessible.h"

#include <QLabel>
#include <QTimer>

LinkAccessible::LinkAccessible(QLabel *label, std::function<void()> follow)
    : QAccessibleWidget(label, QAccessible::Link)
    , m_follow(std::move(follow))
{ }

QString LinkAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const QLabel *>(widget())->text();
    return QAccessibleWidget::text(t);
}

QStringList LinkAccessible::actionNames() const
{
    // Followed, never focused: the label stays out of the tab order.
    if (!widget()->isEnabled())
        return {};
    return {pressAction()};
}

void LinkAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !widget()->isEnabled())
        return;
    // After the reader's request has been answered, as a button's press is: what the
    // link opens may show a message box, and the reader would wait on it.
    QTimer::singleShot(0, widget(), m_follow);
}
