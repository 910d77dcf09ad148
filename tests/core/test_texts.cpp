#include "texts/TextTable.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

TEST(TextTable, EveryRowInEnglishAndDanish)
{
    struct Row
    {
        int row;
        std::string english, danish;
    };
    const std::vector<Row> rows {
        {1, "Choose:", "Vælg fil der skal åbnes:"},
        {2, "Introduction:", "Introduktion:"},
        {3, "This program serves as an entry-point for calling specified files or webpages.",
         "Dette program tjener som adgangspunkt for afvikling af specificerede filer."},
        {4, "If the command doesn't execute, you can execute it manually by running:",
         "Hvis filen ikke afvikles korrekt, kan du gøre det manuelt ved at køre:"},
        {5, "Press the Accept-sign at the bottom to the right to go!",
         "Tryk på accept-tegnet nederst til højre for Go!"},
        {6, "About using this program...", "Om brugen af StartProgrammet"},
        {7, "&Files", "&Filer"},
        {8, "&Information", "&Information"},
        {9, "About this StartupProgram", "Om dette StartProgram"},
        {10, "About using the StartupProgram", "Om brugen af StartProgrammet"},
        {11, "Create shortcut on desktop", "Lav genvej på skrivebordet"},
        {12, "Leave this program running", "Lad dette program forblive åben"},
        {13, "An error occured while opening the information-file bundled with this StartupProgram.",
         "Det skete en fejl under åbningen af den informationsfil der hører til StartProgrammet."},
        {14, "If the problem has occured while starting from a CD received by Varnholt",
         "Hvis problemet er opstået under start fra en CD modtaget fra Varnholt"},
        {15, "please contact us at phone +45 00 00 00 00 or mail support@varnholt.example",
         "venligst kontakt os pr. tlf. +45 00 00 00 00 eller mail support@varnholt.example"},
        {16, "The program was not able to run the specified file.",
         "Programmet var ikke i stand til at afvikle den specificrede fil."},
        {17, "Please check that the following file exists:", "Venligst tjek af følgende fil findes:"},
        {18, "If so: Ensure that the computer has the right associations with the file-type involved",
         "Hvis den gør: Kontrollér at computeren har de korrekte associationer knytte til den pågældende filtype"},
        {19, "Command aborted", "Kommando afsluttet"},
        {20, "Do you wish to make a shortcut to this startup-program on your desktop?",
         "Ønsker du at lave en genvej til dette StartProgram på dit skrivebord?"},
        {21, "Please confirm", "Please confirm"},
        {22, "A shortcut for the startup-program has now been added to your desktop!",
         "En genvej til dette StartProgram er nu tilføjet på dit skrivebord!"},
        {23, "Command performed", "Kommando udført"},
        {24, "F&eatures", "F&unktioner"},
        {25, "The shortcut could not be created. The desktop folder could not be written:",
         "Genvejen kunne ikke oprettes. Skrivebordsmappen kunne ikke skrives:"},
        {26, "Command failed", "Kommando mislykkedes"},
    };
    ASSERT_EQ(rows.size(), std::size_t(TextRow::LastInUse));

    TextTable table;
    EXPECT_EQ(table.cell(TextTable::English, 1), ""); // empty before it is filled
    FillTextTable(table);
    for (const Row &r : rows) {
        SCOPED_TRACE("row " + std::to_string(r.row));
        EXPECT_EQ(table.cell(TextTable::English, r.row), r.english);
        EXPECT_EQ(table.cell(TextTable::Danish, r.row), r.danish);
    }
    // The sources' encoding: row 20 starts with U+00D8 as two UTF-8 bytes.
    EXPECT_EQ(table.cell(TextTable::Danish, TextRow::ShortcutQuestion).substr(0, 2), "\xC3\x98");
}

TEST(TextTable, OtherCellsStayEmptyAndRangesAreChecked)
{
    TextTable table;
    FillTextTable(table);
    for (int language = 0; language < TextTable::Languages; ++language) {
        for (int row = 0; row < TextTable::Rows; ++row) {
            const bool inUse = (language == 1 || language == 2) && row >= 1 && row <= TextRow::LastInUse;
            EXPECT_EQ(table.cell(language, row).empty(), !inUse)
                << "cell (" << language << ", " << row << ") holds \"" << table.cell(language, row) << '"';
        }
    }

    EXPECT_THROW(table.cell(-1, 1), std::out_of_range);
    EXPECT_THROW(table.cell(11, 1), std::out_of_range);
    EXPECT_THROW(table.cell(1, 201), std::out_of_range);
    EXPECT_THROW(table.cell(1, -1), std::out_of_range);
    EXPECT_THROW(table.setCell(11, 0, "x"), std::out_of_range);
    EXPECT_NO_THROW(table.setCell(10, 200, "last"));
    EXPECT_EQ(table.cell(10, 200), "last");
}
