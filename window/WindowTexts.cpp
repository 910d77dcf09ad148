#include "window/WindowTexts.h"

#include "texts/ProductTexts.h"
#include "texts/TextTable.h"

std::string instructionText(const TextTable &texts, int languageIndex, const std::string &target)
{
    return texts.cell(languageIndex, TextRow::InstructionFirst) + "\n\n"
        + texts.cell(languageIndex, TextRow::InstructionManual) + "\n\"" + target + "\".\n\n"
        + texts.cell(languageIndex, TextRow::InstructionGo);
}

std::string copyrightLine()
{
    return std::string("\xC2\xA9") + ProductTexts::CopyrightNotice; // U+00A9, the copyright sign
}

std::string aboutText(const std::string &programVersion)
{
    return std::string(ProductTexts::MakerLine) + '\n' + ProductTexts::DepartmentLine + "\n\n"
        + ProductTexts::PurposeLine + "\n\n" + ProductTexts::VersionLinePrefix + programVersion + '\n' + copyrightLine()
        + '\n' + ProductTexts::AuthorLine;
}
