#pragma once

#include <string>

#include <array>

// The program's language-dependent texts: 11 language columns by 201 rows, one
// cell per (language, row) stored at linear position language + 11 * row.
// Texts are UTF-8. Column 1 is English, column 2 Danish; every other cell stays empty.
class TextTable
{
public:
    static constexpr int Languages = 11;
    static constexpr int Rows = 201;
    static constexpr int English = 1;
    static constexpr int Danish = 2;

    // The text at (language, row). A language outside 0..10 or a row outside
    // 0..200 is an index error and throws std::out_of_range.
    const std::string &cell(int language, int row) const;

    // Stores a text; the same range rules as cell().
    void setCell(int language, int row, std::string text);

private:
    static int position(int language, int row);

    std::array<std::string, Languages * Rows> m_cells;
};

// Stores every text of every language (English rows 1-24, then Danish rows 1-24).
void FillTextTable(TextTable &table);

// Row numbers of the texts, as the rest of the program names them.
namespace TextRow {
enum : int {
    ChoosePrompt = 1,
    Introduction = 2,
    InstructionFirst = 3,
    InstructionManual = 4,
    InstructionGo = 5,
    IntroductionTooltip = 6,
    MenuFiles = 7,
    MenuInformation = 8,
    MenuAbout = 9,
    MenuAboutUse = 10,
    MenuMakeShortcut = 11,
    LeaveRunning = 12,
    InfoFileError1 = 13,
    InfoFileError2 = 14,
    InfoFileError3 = 15,
    LaunchError1 = 16,
    LaunchError2 = 17,
    LaunchErrorLast = 18,
    LaunchErrorTitle = 19,
    ShortcutQuestion = 20,
    ShortcutQuestionTitle = 21,
    ShortcutDone = 22,
    ShortcutDoneTitle = 23,
    MenuFeatures = 24,
    ShortcutFailed = 25,
    ShortcutFailedTitle = 26,
    LastInUse = 26,
};
} // namespace TextRow
