#include "window/qt/LineControl.h"

#include <QPainter>

LineControl::LineControl(const QColor &colour, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{ }

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}
