// Takes the single-instance lock of the data folder that the environment names, the way the
// program does when it starts. "try": exits 3 when the lock was taken, 4 when it was refused.
// "hold": takes it, prints "held" and keeps it until its standard input closes (exit 0), or
// prints "refused" and exits 4.

#include "app/core/Globals.h"
#include "platform/SingleInstance.h"
#include "store/DataFolder.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const bool hold = argc > 1 && std::strcmp(argv[1], "hold") == 0;
    platform::SingleInstance lock(telvo::makeDataPaths(telvo::Rabochiy_katolog()).folder);
    const bool taken = lock.acquire();
    if (!hold)
        return taken ? 3 : 4;
    std::puts(taken ? "held" : "refused");
    std::fflush(stdout);
    if (!taken)
        return 4;
    while (std::getchar() != EOF) {
    }
    return 0;
}
