#include "window/qt/StartProgram.h"

int main(int argc, char *argv[])
{
    return runStartProgram(argc, argv);
}
