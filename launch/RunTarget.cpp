#include "launch/RunTarget.h"

#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "texts/TextTable.h"

std::string launchErrorText(const TextTable &texts, int languageIndex, const std::string &target)
{
    return texts.cell(languageIndex, TextRow::LaunchError1) + "\n\n" + texts.cell(languageIndex, TextRow::LaunchError2)
        + '\n' + target + "\n\n" + texts.cell(languageIndex, TextRow::LaunchErrorLast);
}

void RunTarget(const LaunchContext &context, const std::string &target)
{
    if (context.shell.run(target) != Shell::Result::FileNotFound)
        return;
    context.messages.show(MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok,
                          context.texts.cell(context.languageIndex, TextRow::LaunchErrorTitle),
                          launchErrorText(context.texts, context.languageIndex, target));
}
