#include "shortcut/CreateDesktopShortcut.h"

#include "entries/ProgramPath.h"
#include "platform/LauncherStore.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLocation.h"
#include "texts/ProductTexts.h"
#include "texts/TextTable.h"

void CreateDesktopShortcut(const ShortcutContext &c)
{
    const auto text = [&](int row) { return c.texts.cell(c.languageIndex, row); };
    if (c.messages.show(MessageBoxes::Icon::Question, MessageBoxes::Buttons::YesNo,
                        text(TextRow::ShortcutQuestionTitle), text(TextRow::ShortcutQuestion))
        != MessageBoxes::Answer::Yes)
        return;

    const std::string programDir = c.location.programDir();
    Launcher launcher;
    launcher.name = ProductTexts::ShortcutName;
    launcher.description = ProductTexts::ShortcutDescription;
    launcher.program = ProgramPath::join(programDir, c.location.programFileName(), c.location.separator());
    launcher.workingDirectory = programDir;

    if (!c.store.writeLauncher(launcher)) {
        c.messages.show(MessageBoxes::Icon::Stop, MessageBoxes::Buttons::Ok, text(TextRow::ShortcutFailedTitle),
                        text(TextRow::ShortcutFailed) + '\n' + c.store.desktopFolder());
        return;
    }
    c.messages.show(MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok, text(TextRow::ShortcutDoneTitle),
                    text(TextRow::ShortcutDone));
}
