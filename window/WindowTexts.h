#pragma once

#include <string>

class TextTable;

// The instruction text under the list: what Go will run, so that the user can
// run it by hand if the launch fails.
std::string instructionText(const TextTable &texts, int languageIndex, const std::string &target);

// The notice line: the copyright sign, then the maker's notice.
std::string copyrightLine();

// The About box: eight lines that read the same in every language.
std::string aboutText(const std::string &programVersion);
