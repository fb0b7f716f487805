#include "ClockRandom.h"
#include "DisplayCheck.h"
#include "Game.h"
#include "MainWindow.h"
#include "ProgramWindows.h"
#include "QtWindowOps.h"
#include "SoundRelay.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    stackfall::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.started();
    // The windows decide when the program ends (see ProgramWindows).
    QApplication::setQuitOnLastWindowClosed(false);

    stackfall::SoundRelay relay;
    stackfall::MainWindow form;
    stackfall::ProgramWindows windows(form, [](int code) { QCoreApplication::exit(code); });
    stackfall::QtWindowOps ops(form, windows,
                               [&relay](stackfall::Sound sound) { relay.play(sound); });
    stackfall::ClockRandom random;
    stackfall::Game game(ops, random);
    form.attach(game);

    game.load();
    if (const QScreen* screen = form.screen()) {
        form.move(screen->availableGeometry().center() - form.rect().center());
    }
    form.show();

    const int code = QApplication::exec();
    // Windows closed in the last moments are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
