#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// A button that shows a picture and no caption: the picture is drawn centred and
// unmasked on a raised face, and cut off where it is wider than the button.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QPixmap &picture, const QColor &face, QWidget *parent = nullptr);

    QColor faceColour() const { return m_face; }
    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    QColor m_face;
};
