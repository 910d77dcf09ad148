#include "launch/RunTarget.h"

#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "texts/TextTable.h"

QString launchErrorText(const TextTable &texts, int languageIndex, const QString &target)
{
    return texts.cell(languageIndex, TextRow::LaunchError1) + QStringLiteral("\n\n")
        + texts.cell(languageIndex, TextRow::LaunchError2) + u'\n' + target + QStringLiteral("\n\n")
        + texts.cell(languageIndex, TextRow::LaunchErrorLast);
}

void RunTarget(const LaunchContext &context, const QString &target)
{
    if (context.shell.run(target) != Shell::Result::FileNotFound)
        return;
    context.messages.show(MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok,
                          context.texts.cell(context.languageIndex, TextRow::LaunchErrorTitle),
                          launchErrorText(context.texts, context.languageIndex, target));
}
