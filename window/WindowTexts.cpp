#include "window/WindowTexts.h"

#include "texts/ProductTexts.h"
#include "texts/TextTable.h"

#include <QStringList>

QString instructionText(const TextTable &texts, int languageIndex, const QString &target)
{
    return texts.cell(languageIndex, TextRow::InstructionFirst) + QStringLiteral("\n\n")
        + texts.cell(languageIndex, TextRow::InstructionManual) + u'\n' + u'"' + target + QStringLiteral("\".\n\n")
        + texts.cell(languageIndex, TextRow::InstructionGo);
}

QString aboutText(const QString &programVersion)
{
    const QStringList lines {
        QString::fromUtf16(ProductTexts::MakerLine),
        QString::fromUtf16(ProductTexts::DepartmentLine),
        QString(),
        QString::fromUtf16(ProductTexts::PurposeLine),
        QString(),
        QString::fromUtf16(ProductTexts::VersionLinePrefix) + programVersion,
        QChar(169) + QString::fromUtf16(ProductTexts::CopyrightNotice),
        QString::fromUtf16(ProductTexts::AuthorLine),
    };
    return lines.join(u'\n');
}
