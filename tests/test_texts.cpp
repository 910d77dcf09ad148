#include "texts/TextTable.h"

#include <QTest>

#include <stdexcept>

class TestTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filledCells_data();
    void filledCells();
    void emptyCellsAndRanges();
};

void TestTexts::filledCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("danish");

    const auto row = [](int r, const char *en, const char *da) {
        QTest::addRow("row %d", r) << r << QString::fromUtf8(en) << QString::fromUtf8(da);
    };
    row(1, "Choose:", "Vælg fil der skal åbnes:");
    row(2, "Introduction:", "Introduktion:");
    row(3, "This program serves as an entry-point for calling specified files or webpages.",
        "Dette program tjener som adgangspunkt for afvikling af specificerede filer.");
    row(4, "If the command doesn't execute, you can execute it manually by running:",
        "Hvis filen ikke afvikles korrekt, kan du gøre det manuelt ved at køre:");
    row(5, "Press the Accept-sign at the bottom to the right to go!",
        "Tryk på accept-tegnet nederst til højre for Go!");
    row(6, "About using this program...", "Om brugen af StartProgrammet");
    row(7, "&Files", "&Filer");
    row(8, "&Information", "&Information");
    row(9, "About this StartupProgram", "Om dette StartProgram");
    row(10, "About using the StartupProgram", "Om brugen af StartProgrammet");
    row(11, "Create shortcut on desktop", "Lav genvej på skrivebordet");
    row(12, "Leave this program running", "Lad dette program forblive åben");
    row(13, "An error occured while opening the information-file bundled with this StartupProgram.",
        "Det skete en fejl under åbningen af den informationsfil der hører til StartProgrammet.");
    row(14, "If the problem has occured while starting from a CD received by Varnholt",
        "Hvis problemet er opstået under start fra en CD modtaget fra Varnholt");
    row(15, "please contact us at phone +45 00 00 00 00 or mail support@varnholt.example",
        "venligst kontakt os pr. tlf. +45 00 00 00 00 eller mail support@varnholt.example");
    row(16, "The program was not able to run the specified file.",
        "Programmet var ikke i stand til at afvikle den specificrede fil.");
    row(17, "Please check that the following file exists:", "Venligst tjek af følgende fil findes:");
    row(18, "If so: Ensure that the computer has the right associations with the file-type involved",
        "Hvis den gør: Kontrollér at computeren har de korrekte associationer knytte til den pågældende filtype");
    row(19, "Command aborted", "Kommando afsluttet");
    row(20, "Do you wish to make a shortcut to this startup-program on your desktop?",
        "Ønsker du at lave en genvej til dette StartProgram på dit skrivebord?");
    row(21, "Please confirm", "Please confirm");
    row(22, "A shortcut for the startup-program has now been added to your desktop!",
        "En genvej til dette StartProgram er nu tilføjet på dit skrivebord!");
    row(23, "Command performed", "Kommando udført");
    row(24, "F&eatures", "F&unktioner");
    row(25, "The shortcut could not be created. The desktop folder could not be written:",
        "Genvejen kunne ikke oprettes. Skrivebordsmappen kunne ikke skrives:");
    row(26, "Command failed", "Kommando mislykkedes");
}

void TestTexts::filledCells()
{
    QFETCH(int, row);
    QFETCH(QString, english);
    QFETCH(QString, danish);

    TextTable table;
    QCOMPARE(table.cell(TextTable::English, row), QString()); // empty before it is filled
    FillTextTable(table);
    QCOMPARE(table.cell(TextTable::English, row), english);
    QCOMPARE(table.cell(TextTable::Danish, row), danish);
}

void TestTexts::emptyCellsAndRanges()
{
    TextTable table;
    FillTextTable(table);

    for (int language = 0; language < TextTable::Languages; ++language) {
        for (int row = 0; row < TextTable::Rows; ++row) {
            const bool inUse = (language == 1 || language == 2) && row >= 1 && row <= TextRow::LastInUse;
            if (!inUse)
                QVERIFY2(table.cell(language, row).isEmpty(),
                         qPrintable(QStringLiteral("cell (%1, %2) holds %3")
                                        .arg(language)
                                        .arg(row)
                                        .arg(table.cell(language, row))));
            else
                QVERIFY(!table.cell(language, row).isEmpty());
        }
    }

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.cell(-1, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.cell(11, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.cell(1, 201));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.cell(1, -1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.setCell(11, 0, QStringLiteral("x")));

    // Danish letters survive the sources' encoding.
    QCOMPARE(table.cell(TextTable::Danish, 20).at(0), QChar(0x00D8));
}

QTEST_APPLESS_MAIN(TestTexts)
#include "test_texts.moc"
