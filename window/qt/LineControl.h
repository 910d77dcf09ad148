#pragma once

#include <QColor>
#include <QWidget>

// A straight horizontal line of one colour, filling its box.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    LineControl(const QColor &colour, QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
