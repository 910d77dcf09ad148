#include "shortcut/CreateDesktopShortcut.h"

#include "platform/LauncherStore.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLocation.h"
#include "platform/ProgramPath.h"
#include "shortcut/DesktopEntry.h"
#include "texts/ProductTexts.h"
#include "texts/TextTable.h"

QString launcherFileName()
{
    return QString::fromUtf16(ProductTexts::ShortcutName) + QStringLiteral(".desktop");
}

QString iconFileName()
{
    return QStringLiteral("zezuzav-quillmere.png");
}

void CreateDesktopShortcut(const ShortcutContext &c)
{
    const auto text = [&](int row) { return c.texts.cell(c.languageIndex, row); };
    if (c.messages.show(MessageBoxes::Icon::Question, MessageBoxes::Buttons::YesNo,
                        text(TextRow::ShortcutQuestionTitle), text(TextRow::ShortcutQuestion))
        != MessageBoxes::Answer::Yes)
        return;

    const QString desktop = c.store.desktopFolder();
    const QString iconFolder = c.store.iconFolder();
    const QString programDir = c.location.programDir();

    DesktopEntry::Launcher launcher;
    launcher.name = QString::fromUtf16(ProductTexts::ShortcutName);
    launcher.comment = QString::fromUtf16(ProductTexts::ShortcutDescription);
    launcher.program = ProgramPath::join(programDir, c.location.programFileName());
    launcher.workingDirectory = programDir;
    launcher.icon = iconFolder + u'/' + iconFileName();

    const bool written = !desktop.isEmpty() && c.store.makeFolder(iconFolder)
        && c.store.writeFile(launcher.icon, c.iconPng, false)
        && c.store.writeFile(desktop + u'/' + launcherFileName(), DesktopEntry::text(launcher).toUtf8(), true);
    if (!written) {
        c.messages.show(MessageBoxes::Icon::Stop, MessageBoxes::Buttons::Ok, text(TextRow::ShortcutFailedTitle),
                        text(TextRow::ShortcutFailed) + u'\n' + desktop);
        return;
    }
    c.store.markTrusted(desktop + u'/' + launcherFileName());
    c.messages.show(MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok, text(TextRow::ShortcutDoneTitle),
                    text(TextRow::ShortcutDone));
}
