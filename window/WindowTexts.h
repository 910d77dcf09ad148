#pragma once

#include <QString>

class TextTable;

// The instruction text under the list: what Go will run, so that the user can
// run it by hand if the launch fails.
QString instructionText(const TextTable &texts, int languageIndex, const QString &target);

// The About box: eight lines that read the same in every language.
QString aboutText(const QString &programVersion);
