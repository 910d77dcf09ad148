#include "app/startup/Startup.h"

#include "app/ProgramState.h"
#include "app/Services.h"
#include "app/Settings.h"
#include "entries/LoadEntryList.h"
#include "platform/DesktopShell.h"
#include "platform/FileLauncherStore.h"
#include "platform/IniSettingsStore.h"
#include "platform/QtEnding.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtProgramLocation.h"
#include "platform/QtTicker.h"
#include "window/Form1.h"

#include <QApplication>
#include <QScreen>

int runStartProgram(int argc, char *argv[])
{
    // The menu bar belongs to the window; asking the session bus for a global
    // menu bar would start a bus daemon on desktops without one, before the first paint.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    // Command-line arguments and the environment carry nothing for the program itself.

    IniSettingsStore settings;
    QtMessageBoxes messages;
    DesktopShell shell;
    QtProgramLocation location;
    QtEnding ending;
    QtTicker countdown(QStringLiteral("Timer3"));
    FileLauncherStore launchers;
    const Services services {settings, messages, shell, location, ending, countdown, launchers};

    ProgramState state;
    LoadSettings(state, settings);
    state.languageIndex = TextTable::English;
    FillTextTable(state.textTable);
    state.entryList = LoadEntryList(location.programDir(), state.textTable, state.languageIndex, messages);

    Form1 form(state, services);
    form.load();
    if (const QScreen *screen = form.screen()) {
        QRect frame(QPoint(0, 0), form.sizeHint());
        frame.moveCenter(screen->availableGeometry().center());
        form.move(frame.topLeft());
    }
    form.show();
    return application.exec();
}
