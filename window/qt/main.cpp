#include "app/startup/Startup.h"

int main(int argc, char *argv[])
{
    return runStartProgram(argc, argv);
}
