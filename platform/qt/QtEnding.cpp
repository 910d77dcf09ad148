#include "platform/qt/QtEnding.h"

#include <QApplication>
#include <QWidget>

void QtEnding::endProgram()
{
    if (m_ended)
        return; // closing the windows below calls back here through their close events
    m_ended = true;
    // Hidden windows too: closeAllWindows() would pass over the hidden artwork window.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->close();
    QCoreApplication::exit(0);
}

bool QtEnding::hasEnded() const
{
    return m_ended;
}
