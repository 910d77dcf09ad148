#include "window/qt/StartProgram.h"

#include "app/ProgramState.h"
#include "app/Services.h"
#include "app/StartUp.h"
#include "platform/qt/DesktopShell.h"
#include "platform/qt/FileLauncherStore.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/QtEnding.h"
#include "platform/qt/QtFileReader.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtProgramLocation.h"
#include "platform/qt/QtTicker.h"
#include "platform/qt/SessionBusSetup.h"
#include "window/Form1Behaviour.h"
#include "window/qt/Artwork.h"
#include "window/qt/Form1.h"

#include <QApplication>
#include <QScreen>

int runStartProgram(int argc, char *argv[])
{
    // Before Qt starts: its D-Bus use would otherwise autolaunch a bus daemon that
    // outlives the program where the session has no bus.
    const DesktopVariable busAddress = settleSessionBus();
    // The menu bar belongs to the window; asking the session bus for a global
    // menu bar would start a bus daemon on desktops without one, before the first paint.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The program reads no command line: Qt gets only the program's name, so that its
    // own options (-reverse, -style, -platform...) change nothing.
    int qtArgc = argc > 0 ? 1 : 0;
    char *qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication application(qtArgc, qtArgv);

    IniSettingsStore settings;
    QtMessageBoxes messages;
    DesktopShell shell({busAddress});
    QtProgramLocation location;
    QtEnding ending;
    QtTicker countdown("Timer3");
    FileLauncherStore launchers {std::function<QByteArray()>(&Artwork::windowIconPng)};
    QtFileReader files;
    const Services services {settings, messages, shell, location, ending, countdown, launchers, files};

    ProgramState state;
    StartUp(state, services);

    Form1 form;
    Form1Behaviour behaviour(state, services, form);
    form.setBehaviour(&behaviour);
    behaviour.load();
    if (const QScreen *screen = form.screen()) {
        QRect frame(QPoint(0, 0), form.sizeHint());
        frame.moveCenter(screen->availableGeometry().center());
        form.move(frame.topLeft());
    }
    form.show();
    return application.exec();
}
