#pragma once

#include <string>

class MessageBoxes;
class Shell;
class TextTable;

// What every launch needs.
struct LaunchContext
{
    Shell &shell;
    MessageBoxes &messages;
    const TextTable &texts;
    int languageIndex;
};

// The "Command aborted" text: rows 16 and 17, the target, then row 18.
std::string launchErrorText(const TextTable &texts, int languageIndex, const std::string &target);

// Hands the target to the desktop as one argument and returns without waiting.
// Only a missing file is reported to the user; every other failure is silent.
void RunTarget(const LaunchContext &context, const std::string &target);
