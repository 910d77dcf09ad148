#include "window/qt/PictureButton.h"

#include "window/PictureScale.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

PictureButton::PictureButton(const QPixmap &picture, const QColor &face, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(picture)
    , m_face(face)
{
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setLargerDrawings(const QString &twice, const QString &threeTimes)
{
    m_larger[0] = twice;
    m_larger[1] = threeTimes;
    m_scaledFor = 0;
}

QPixmap PictureButton::pictureAt(qreal devicePixelRatio) const
{
    const int drawing = PictureScale::drawingFor(devicePixelRatio);
    if (drawing == 1 || m_larger[drawing - 2].isEmpty())
        return m_picture;
    if (m_scaledFor != devicePixelRatio) {
        const QSize device(qRound(m_picture.width() * devicePixelRatio), qRound(m_picture.height() * devicePixelRatio));
        const QPixmap larger(m_larger[drawing - 2]);
        m_scaled
            = larger.size() == device ? larger : larger.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(devicePixelRatio);
        m_scaledFor = devicePixelRatio;
    }
    return m_scaled;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, m_face);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, m_face.lighter(110));
    palette.setColor(QPalette::Mid, m_face.darker(150));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, Qt::black);
    const bool sunken = isDown();
    const QBrush fill(m_face);
    qDrawWinButton(&painter, rect(), palette, sunken, &fill);

    // The picture sits centred inside the border, one pixel lower and to the right while pressed.
    const QRect inside = rect().adjusted(2, 2, -2, -2);
    QPoint topLeft((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
    if (sunken)
        topLeft += QPoint(1, 1);
    painter.save();
    painter.setClipRect(inside);
    painter.drawPixmap(topLeft, pictureAt(devicePixelRatioF()));
    painter.restore();

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(4, 4, -4, -4);
        option.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button; there is no default button in the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
