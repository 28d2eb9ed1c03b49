// SPDX-License-Identifier: GPL-3.0-or-later
// Hosts a fake device tree with one simulated controller (hidraw0 and its
// joystick node, the wheel turning by itself at 1 kHz) and a joystick of
// another vendor, then runs the given program below it and waits for it.
// The program needs libumockdev-preload.so.0 and the preloadable hidapi
// simulator in LD_PRELOAD; this process needs neither.
#include "sim/fakewheelbus.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

extern char **environ;

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const char *preload = std::getenv("VELLOX_LAUNCHER_PRELOAD");
    vellox::sim::FakeWheelBus bus;
    const int wheel = bus.addController(0);
    bus.addJoystick(vellox::sim::FakeJoystick::decoy());
    bus.setMotion(wheel, 1000);
    ::setenv("VELLOX_SIM_NODE_DIR", "/dev", 1);
    if (preload && *preload)
        ::setenv("LD_PRELOAD", preload, 1);
    pid_t child = 0;
    if (::posix_spawnp(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 127;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
