#include "texts/ProductTexts.h"
#include "texts/TextTable.h"

#include <string>

namespace {

struct Row
{
    const char *english;
    const char *danish;
};

std::string supportLine(const char *before, const char *between)
{
    return std::string(before) + ProductTexts::SupportPhone + between + ProductTexts::SupportMail;
}

} // namespace

void FillTextTable(TextTable &table)
{
    // Row 15 is assembled from the support number and address; it is left empty here.
    static constexpr Row rows[] = {
        {"Choose:", "Vælg fil der skal åbnes:"},
        {"Introduction:", "Introduktion:"},
        {"This program serves as an entry-point for calling specified files or webpages.",
         "Dette program tjener som adgangspunkt for afvikling af specificerede filer."},
        {"If the command doesn't execute, you can execute it manually by running:",
         "Hvis filen ikke afvikles korrekt, kan du gøre det manuelt ved at køre:"},
        {"Press the Accept-sign at the bottom to the right to go!", "Tryk på accept-tegnet nederst til højre for Go!"},
        {"About using this program...", "Om brugen af StartProgrammet"},
        {"&Files", "&Filer"},
        {"&Information", "&Information"},
        {"About this StartupProgram", "Om dette StartProgram"},
        {"About using the StartupProgram", "Om brugen af StartProgrammet"},
        {"Create shortcut on desktop", "Lav genvej på skrivebordet"},
        {"Leave this program running", "Lad dette program forblive åben"},
        {"An error occured while opening the information-file bundled with this StartupProgram.",
         "Det skete en fejl under åbningen af den informationsfil der hører til StartProgrammet."},
        {"If the problem has occured while starting from a CD received by Varnholt",
         "Hvis problemet er opstået under start fra en CD modtaget fra Varnholt"},
        {nullptr, nullptr},
        {"The program was not able to run the specified file.",
         "Programmet var ikke i stand til at afvikle den specificrede fil."},
        {"Please check that the following file exists:", "Venligst tjek af følgende fil findes:"},
        {"If so: Ensure that the computer has the right associations with the file-type involved",
         "Hvis den gør: Kontrollér at computeren har de korrekte associationer knytte til den "
         "pågældende filtype"},
        {"Command aborted", "Kommando afsluttet"},
        {"Do you wish to make a shortcut to this startup-program on your desktop?",
         "Ønsker du at lave en genvej til dette StartProgram på dit skrivebord?"},
        {"Please confirm", "Please confirm"},
        {"A shortcut for the startup-program has now been added to your desktop!",
         "En genvej til dette StartProgram er nu tilføjet på dit skrivebord!"},
        {"Command performed", "Kommando udført"},
        {"F&eatures", "F&unktioner"},
        // Rows 25 and 26: a desktop launcher that could not be written.
        {"The shortcut could not be created. The desktop folder could not be written:",
         "Genvejen kunne ikke oprettes. Skrivebordsmappen kunne ikke skrives:"},
        {"Command failed", "Kommando mislykkedes"},
    };

    const auto fillColumn = [&](int language, bool english) {
        int row = 1;
        for (const Row &r : rows) {
            if (row == 15)
                table.setCell(language, row,
                              english ? supportLine("please contact us at phone ", " or mail ")
                                      : supportLine("venligst kontakt os pr. tlf. ", " eller mail "));
            else
                table.setCell(language, row, english ? r.english : r.danish);
            ++row;
        }
    };
    fillColumn(TextTable::English, true);
    fillColumn(TextTable::Danish, false);
}
