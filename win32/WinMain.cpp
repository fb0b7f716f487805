// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockRandom.h"
#include "Program.h"
#include "SoundPlayer.h"
#include "StartupReport.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    const stackfall::StartupReport startup;
    stackfall::ClockRandom random;
    stackfall::SoundPlayer sounds(instance);
    // The process ends there and then, taking every window with it.
    stackfall::Program program(instance, random, sounds,
                               [](int code) { ExitProcess(static_cast<UINT>(code)); });
    if (startup.wanted()) {
        program.mainWindow().onFirstPaint([&startup] {
            startup.firstPaintDone();
            PostQuitMessage(0);
        });
    }
    program.start();
    return program.run();
}
