#include "window/qt/FrmGraphics.h"

#include "window/qt/Artwork.h"

#include <QLabel>

FrmGraphics::FrmGraphics(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_image13(new QLabel(this))
{
    setObjectName(QStringLiteral("frmGraphics"));
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(614, 383);
    setAttribute(Qt::WA_DontShowOnScreen); // it holds pictures and is never seen
    const QPixmap banner = Artwork::picture(Artwork::Banner);
    m_image13->setObjectName(QStringLiteral("Image13"));
    m_image13->setPixmap(banner);
    m_image13->setGeometry(0, 0, banner.width(), banner.height());
}
