#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxes::Answer QtMessageBoxes::show(Icon icon, Buttons buttons, const std::string &title, const std::string &text)
{
    const QMessageBox::Icon qtIcon = icon == Icon::Stop ? QMessageBox::Critical
        : icon == Icon::Information                     ? QMessageBox::Information
                                                        : QMessageBox::Question;
    QMessageBox box(qtIcon, QString::fromStdString(title), QString::fromStdString(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    // Targets and file names are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}
