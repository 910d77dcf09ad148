#pragma once

#include <QLabel>

// A label whose box holds one line: its caption breaks at words and only the first
// line is drawn. text() keeps the whole caption.
class OneLineLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The part of the caption that the label draws.
    QString shownText() const;
};
