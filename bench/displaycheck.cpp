// The display check's own cost: runs noDisplayReason() RUNS times on the display the
// environment names and prints "<median µs> <min µs> <max µs>", or the check's line
// (status 1) where it finds no display.
// Usage: displaycheck [RUNS]   (default 500)
#include "window/qt/DisplayCheck.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const std::string reason = noDisplayReason();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        if (!reason.empty()) {
            std::fprintf(stderr, "%s\n", reason.c_str());
            return 1;
        }
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%.1f %.1f %.1f\n", micros[micros.size() / 2], micros.front(), micros.back());
    return 0;
}
