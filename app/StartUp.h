#pragma once

struct ProgramState;
struct Services;

// Everything the program does before its window is shown: reads the settings,
// picks the language, fills the text table and reads the information file
// (showing its error boxes, which have no window to belong to yet).
void StartUp(ProgramState &state, const Services &services);
