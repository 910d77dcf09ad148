#include "entries/LoadEntryList.h"

#include "entries/FieldReader.h"
#include "entries/TextDecoding.h"
#include "platform/MediaPath.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramPath.h"
#include "texts/TextTable.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <limits>

QString informationFileErrorText(const TextTable &texts, int languageIndex)
{
    return texts.cell(languageIndex, TextRow::InfoFileError1) + QStringLiteral("\n\n")
        + texts.cell(languageIndex, TextRow::InfoFileError2) + u'\n'
        + texts.cell(languageIndex, TextRow::InfoFileError3);
}

std::optional<std::int16_t> parseEntryCount(const QString &field)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = field.trimmed();
    if (!wholeNumber.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

EntryList ReadEntryList(const QByteArray &bytes, const std::function<void()> &fail)
{
    EntryList list;
    FieldReader fields(decodeInformationText(bytes));

    const std::optional<QString> countField = fields.next();
    const std::optional<std::int16_t> count = countField ? parseEntryCount(*countField) : std::nullopt;
    if (!count) {
        fail();
        return list;
    }
    list.setCount(*count);

    for (int position = 1; position <= *count; ++position) {
        if (position > EntryList::Capacity) {
            fail();
            break;
        }
        const std::optional<QString> fileField = fields.next();
        const std::optional<QString> descriptionField = fileField ? fields.next() : std::nullopt;
        if (!descriptionField) {
            list.setEntry(position, fileField.value_or(QString()), QString());
            fail();
            break;
        }
        list.setEntry(position, *fileField, *descriptionField);
    }
    return list;
}

EntryList LoadEntryList(const QString &programDir, const TextTable &texts, int languageIndex, MessageBoxes &messages)
{
    const auto fail = [&] {
        messages.show(MessageBoxes::Icon::Stop, MessageBoxes::Buttons::Ok, QStringLiteral("ERROR"),
                      informationFileErrorText(texts, languageIndex));
    };

    const QString written = ProgramPath::join(programDir, QString::fromUtf16(InformationFileName));
    const QString path = MediaPath::locate(written);
    QFile file(path.isEmpty() ? written : path);
    // Only a plain file: a folder or a pipe named info.txt would block or never end.
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) {
        fail(); // the open
        fail(); // the count, since nothing is open
        return {};
    }
    const QByteArray bytes = file.read(MaxInformationFileBytes);
    file.close(); // the file is open only while it is read
    return ReadEntryList(bytes, fail);
}
