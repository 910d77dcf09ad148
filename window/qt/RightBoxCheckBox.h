#pragma once

#include <QCheckBox>

// A check box whose box stands at its right end, with the caption right-justified
// to its left, while the caption keeps its own reading direction: laying the whole
// control out right-to-left would turn "Go!" into "!Go".
class RightBoxCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit RightBoxCheckBox(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};
