#include "window/qt/DisplayCheck.h"
#include "window/qt/StartProgram.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a screen, say so in one line rather than let Qt abort with its advice to reinstall.
    if (const std::string reason = noDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    return runStartProgram(argc, argv);
}
