#pragma once

#include "app/ProgramState.h"
#include "app/Services.h"
#include "tests/support/Fakes.h"

#include <string>
#include <utility>
#include <vector>

// Every desktop service as a recording fake, handed out together as the program's Services.
struct FakeServices
{
    FakeSettingsStore settings;
    FakeMessageBoxes messages;
    FakeShell shell;
    FakeProgramLocation location;
    FakeEnding ending;
    FakeTicker countdown;
    FakeLauncherStore launchers;
    FakeFileReader files;

    Services services() { return Services {settings, messages, shell, location, ending, countdown, launchers, files}; }
};

// The program-wide values as start-up leaves them: English texts, the entries as
// (file, description) pairs, the stored start page "index.htm" and the close choice.
inline void fillState(ProgramState &state, const std::vector<std::pair<std::string, std::string>> &entries,
                      bool closeAfterLaunch = true)
{
    state.programVersion = "1.11UK";
    state.startTarget = "index.htm";
    state.closeAfterLaunch = closeAfterLaunch;
    state.languageIndex = TextTable::English;
    FillTextTable(state.textTable);
    state.entryList.setCount(static_cast<std::int16_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        state.entryList.setEntry(static_cast<int>(i) + 1, entries[i].first, entries[i].second);
}
