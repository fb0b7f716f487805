// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockRandom.h"
#include "DisplayCheck.h"
#include "Program.h"
#include "SoundRelay.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    stackfall::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.started();
    // The windows decide when the program ends (see ProgramWindows).
    QApplication::setQuitOnLastWindowClosed(false);

    stackfall::SoundRelay relay;
    stackfall::ClockRandom random;
    stackfall::Program program(
        random, [&relay](stackfall::Sound sound) { relay.play(sound); },
        [](int code) { QCoreApplication::exit(code); });
    program.start();

    const int code = QApplication::exec();
    // Windows closed in the last moments are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
