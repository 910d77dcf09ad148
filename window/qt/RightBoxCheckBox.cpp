#include "window/qt/RightBoxCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

RightBoxCheckBox::RightBoxCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{ }

void RightBoxCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style places the box and aligns the caption by the option's direction; the
    // painter keeps the widget's left-to-right direction, so the text reads as written.
    option.direction = Qt::RightToLeft;
    painter.drawControl(QStyle::CE_CheckBox, option);
}

bool RightBoxCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos); // the whole control takes the click, box and caption alike
}
