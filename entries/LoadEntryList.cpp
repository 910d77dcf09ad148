#include "entries/LoadEntryList.h"

#include "entries/FieldReader.h"
#include "entries/ProgramPath.h"
#include "entries/TextDecoding.h"
#include "platform/FileReader.h"
#include "platform/MessageBoxes.h"
#include "texts/TextTable.h"

#include <limits>

std::string informationFileErrorText(const TextTable &texts, int languageIndex)
{
    return texts.cell(languageIndex, TextRow::InfoFileError1) + "\n\n"
        + texts.cell(languageIndex, TextRow::InfoFileError2) + '\n'
        + texts.cell(languageIndex, TextRow::InfoFileError3);
}

std::optional<std::int16_t> parseEntryCount(const std::string &field)
{
    std::size_t begin = field.find_first_not_of(" \t");
    const std::size_t last = field.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return std::nullopt;
    bool negative = false;
    if (field[begin] == '+' || field[begin] == '-') {
        negative = field[begin] == '-';
        ++begin;
    }
    if (begin > last)
        return std::nullopt;
    long long value = 0;
    for (std::size_t i = begin; i <= last; ++i) {
        if (field[i] < '0' || field[i] > '9')
            return std::nullopt;
        value = value * 10 + (field[i] - '0');
        if (value > 32768) // beyond any 16-bit value, however many digits follow
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

EntryList ReadEntryList(std::string_view bytes, const std::function<void()> &fail)
{
    return ReadEntryList(bytes, [&](int) { fail(); });
}

EntryList ReadEntryList(std::string_view bytes, const std::function<void(int line)> &fail)
{
    EntryList list;
    FieldReader fields(decodeInformationText(bytes));

    const std::optional<std::string> countField = fields.next();
    const int countLine = countField ? fields.line() : 1;
    const std::optional<std::int16_t> count = countField ? parseEntryCount(*countField) : std::nullopt;
    if (!count) {
        fail(countLine);
        return list;
    }
    list.setCount(*count);

    for (int position = 1; position <= *count; ++position) {
        if (position > EntryList::Capacity) {
            fail(countLine);
            break;
        }
        std::optional<std::string> fileField = fields.next();
        std::optional<std::string> descriptionField = fileField ? fields.next() : std::nullopt;
        if (!descriptionField) {
            list.setEntry(position, fileField.value_or(std::string()), std::string());
            fail(fields.line());
            break;
        }
        list.setEntry(position, std::move(*fileField), std::move(*descriptionField));
    }
    return list;
}

EntryList LoadEntryList(const std::string &programDir, char separator, const TextTable &texts, int languageIndex,
                        MessageBoxes &messages, const FileReader &files)
{
    const auto fail = [&] {
        messages.show(MessageBoxes::Icon::Stop, MessageBoxes::Buttons::Ok, "ERROR",
                      informationFileErrorText(texts, languageIndex));
    };

    const std::optional<std::string> bytes
        = files.read(ProgramPath::join(programDir, InformationFileName, separator), MaxInformationFileBytes);
    if (!bytes) {
        fail(); // the open
        fail(); // the count, since nothing is open
        return {};
    }
    return ReadEntryList(*bytes, fail);
}
