#include "app/StartUp.h"

#include "app/ProgramState.h"
#include "app/Services.h"
#include "app/Settings.h"
#include "entries/LoadEntryList.h"
#include "platform/ProgramLocation.h"

void StartUp(ProgramState &state, const Services &services)
{
    LoadSettings(state, services.settings);
    state.languageIndex = TextTable::English;
    FillTextTable(state.textTable);
    state.entryList = LoadEntryList(services.location.programDir(), services.location.separator(), state.textTable,
                                    state.languageIndex, services.messages, services.files);
}
