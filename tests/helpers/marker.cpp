// A stand-in program on a medium: it writes the folder it was started in to
// "marker-program" in that folder, so a test can see that it ran, and where.
#include <fstream>
#include <unistd.h>

int main()
{
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd))
        return 1;
    std::ofstream("marker-program") << cwd;
    return 0;
}
