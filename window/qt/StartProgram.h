#pragma once

// The program's entry: reads the settings, fills the texts, reads the
// information file, shows the main window and runs until the program ends.
int runStartProgram(int argc, char *argv[]);
