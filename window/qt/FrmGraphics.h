#pragma once

#include <QWidget>

class QLabel;

// The artwork store: a window that is never shown and only holds pictures.
class FrmGraphics : public QWidget
{
    Q_OBJECT

public:
    explicit FrmGraphics(QWidget *owner = nullptr);

    // The title banner picture.
    QLabel *image13() const { return m_image13; }

private:
    QLabel *m_image13;
};
