// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"
#include "StartupReport.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    const stackfall::StartupReport startup;
    stackfall::Program program(instance);
    if (startup.wanted()) {
        program.mainWindow().onFirstPaint([&startup] {
            startup.firstPaintDone();
            PostQuitMessage(0);
        });
    }
    program.start();
    return program.run();
}
