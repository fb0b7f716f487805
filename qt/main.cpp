// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockRandom.h"
#include "DisplayCheck.h"
#include "Program.h"
#include "SoundRelay.h"
#include "TitleBars.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    stackfall::chooseWindowSystem();
    // The game takes keys, never text: without an input method the first key
    // press does not load the keyboard's compose table, some 17 M
    // instructions in the first seconds of play. One the player names wins.
    if (!qEnvironmentVariableIsSet("QT_IM_MODULE")) {
        qputenv("QT_IM_MODULE", "none");
    }
    stackfall::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.started();
    // The windows decide when the program ends (see ProgramWindows).
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's pixmap cache holds only what the style draws for the level bar,
    // which is seldom redrawn; kept empty, it keeps no timer that would wake
    // the idle game every half minute to age its entries.
    QPixmapCache::setCacheLimit(0);

    stackfall::SoundRelay relay;
    stackfall::ClockRandom random;
    stackfall::Program program(random, relay, [](int code) { QCoreApplication::exit(code); });
    program.start();

    const int code = QApplication::exec();
    // Windows closed in the last moments are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        // Qt 6.4's Wayland client can wait for ever for its event thread when
        // the application object goes (seen in two starts out of ten); the
        // windows are gone and nothing else needs saving, so the game ends here.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
