#pragma once

#include "entries/EntryList.h"
#include "texts/TextTable.h"

#include <cstdint>
#include <string>

// The program-wide values: one instance, made at start-up and handed to
// whatever needs it, alive for the whole run.
struct ProgramState
{
    std::string programVersion; // shown in the About box
    std::string startTarget; // the current launch target: a path or a web address
    bool closeAfterLaunch = false; // end the program shortly after a launch
    std::int16_t tickCount = 0; // ticks of the close-after-launch countdown
    std::int16_t languageIndex = 0; // column of the text table
    EntryList entryList;
    TextTable textTable;

    // The text of a row in the current language.
    const std::string &text(int row) const { return textTable.cell(languageIndex, row); }
};
