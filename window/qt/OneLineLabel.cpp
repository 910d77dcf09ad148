#include "window/qt/OneLineLabel.h"

#include "window/FirstLine.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

QString OneLineLabel::shownText() const
{
    const QFontMetrics metrics(font());
    const std::string line
        = firstLine(text().toStdString(), contentsRect().width(), [&metrics](std::string_view piece) {
              return metrics.horizontalAdvance(QString::fromUtf8(piece.data(), qsizetype(piece.size())));
          });
    return QString::fromStdString(line);
}

void OneLineLabel::paintEvent(QPaintEvent *)
{
    // Drawn as QLabel draws plain text, cut off at the box's edges.
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextSingleLine, palette(), isEnabled(),
                          shownText(), foregroundRole());
}
