#include "texts/ProductTexts.h"
#include "texts/TextTable.h"

namespace {

struct Row
{
    const char16_t *english;
    const char16_t *danish;
};

QString supportLine(const char16_t *before, const char16_t *between)
{
    return QString::fromUtf16(before) + QString::fromUtf16(ProductTexts::SupportPhone) + QString::fromUtf16(between)
        + QString::fromUtf16(ProductTexts::SupportMail);
}

} // namespace

void FillTextTable(TextTable &table)
{
    // Row 15 is assembled from the support number and address; it is left empty here.
    static constexpr Row rows[] = {
        {u"Choose:", u"Vælg fil der skal åbnes:"},
        {u"Introduction:", u"Introduktion:"},
        {u"This program serves as an entry-point for calling specified files or webpages.",
         u"Dette program tjener som adgangspunkt for afvikling af specificerede filer."},
        {u"If the command doesn't execute, you can execute it manually by running:",
         u"Hvis filen ikke afvikles korrekt, kan du gøre det manuelt ved at køre:"},
        {u"Press the Accept-sign at the bottom to the right to go!",
         u"Tryk på accept-tegnet nederst til højre for Go!"},
        {u"About using this program...", u"Om brugen af StartProgrammet"},
        {u"&Files", u"&Filer"},
        {u"&Information", u"&Information"},
        {u"About this StartupProgram", u"Om dette StartProgram"},
        {u"About using the StartupProgram", u"Om brugen af StartProgrammet"},
        {u"Create shortcut on desktop", u"Lav genvej på skrivebordet"},
        {u"Leave this program running", u"Lad dette program forblive åben"},
        {u"An error occured while opening the information-file bundled with this StartupProgram.",
         u"Det skete en fejl under åbningen af den informationsfil der hører til StartProgrammet."},
        {u"If the problem has occured while starting from a CD received by Varnholt",
         u"Hvis problemet er opstået under start fra en CD modtaget fra Varnholt"},
        {nullptr, nullptr},
        {u"The program was not able to run the specified file.",
         u"Programmet var ikke i stand til at afvikle den specificrede fil."},
        {u"Please check that the following file exists:", u"Venligst tjek af følgende fil findes:"},
        {u"If so: Ensure that the computer has the right associations with the file-type involved",
         u"Hvis den gør: Kontrollér at computeren har de korrekte associationer knytte til den "
         u"pågældende filtype"},
        {u"Command aborted", u"Kommando afsluttet"},
        {u"Do you wish to make a shortcut to this startup-program on your desktop?",
         u"Ønsker du at lave en genvej til dette StartProgram på dit skrivebord?"},
        {u"Please confirm", u"Please confirm"},
        {u"A shortcut for the startup-program has now been added to your desktop!",
         u"En genvej til dette StartProgram er nu tilføjet på dit skrivebord!"},
        {u"Command performed", u"Kommando udført"},
        {u"F&eatures", u"F&unktioner"},
        // Rows 25 and 26: a desktop launcher that could not be written.
        {u"The shortcut could not be created. The desktop folder could not be written:",
         u"Genvejen kunne ikke oprettes. Skrivebordsmappen kunne ikke skrives:"},
        {u"Command failed", u"Kommando mislykkedes"},
    };

    const auto fillColumn = [&](int language, bool english) {
        int row = 1;
        for (const Row &r : rows) {
            if (row == 15)
                table.setCell(language, row,
                              english ? supportLine(u"please contact us at phone ", u" or mail ")
                                      : supportLine(u"venligst kontakt os pr. tlf. ", u" eller mail "));
            else
                table.setCell(language, row, QString::fromUtf16(english ? r.english : r.danish));
            ++row;
        }
    };
    fillColumn(TextTable::English, true);
    fillColumn(TextTable::Danish, false);
}
