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
    // The same picture drawn at two and three times its size (resource paths), read when
    // the button is first shown at a higher scale.
    void setLargerDrawings(const QString &twice, const QString &threeTimes);
    // The picture as it is drawn at a device pixel ratio: the picture itself at 1; above,
    // the next larger drawing filtered to the picture's size in device pixels.
    QPixmap pictureAt(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    QString m_larger[2];
    QColor m_face;
    mutable QPixmap m_scaled; // pictureAt's last answer, for m_scaledFor
    mutable qreal m_scaledFor = 0;
};
