#pragma once

// The Linux program: builds the real services, runs the start-up, shows the main
// window and runs until the program ends.
int runStartProgram(int argc, char *argv[]);
