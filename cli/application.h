// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class InstanceServer;
class QCoreApplication;
struct CommandRequest;

// What the window side hands to the command line: the command line decides
// whether this start opens the window, runs a command, or hands its request
// to an instance that already runs.
struct WindowHooks {
    // Loads the user's language into a new application, window or not.
    std::function<void(QCoreApplication &application)> installTranslations;
    // Makes the per-user data folder the working directory (--data-home).
    std::function<void()> enterDataHome;
    // Opens the window and runs the event loop; later starts reach it
    // through the server, whose requests the window carries out. In the
    // background only the tray icon shows, where there is a tray. Returns
    // the exit code. The request says which (--background, --wheel-test).
    std::function<int(InstanceServer &server, const CommandRequest &request)> runWindow;
};

int runApplication(int argc, char **argv, bool inDataHome, const WindowHooks &hooks);
