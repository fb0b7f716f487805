#include "ClockRandom.h"
#include "DisplayCheck.h"
#include "Form1.h"
#include "Form1Ops.h"
#include "Game.h"
#include "Module1.h"
#include "ProgramWindows.h"
#include "ResourceLookup.h"
#include "SoundRelay.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    stackfall::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.started();
    // The windows decide when the program ends (see ProgramWindows).
    QApplication::setQuitOnLastWindowClosed(false);

    stackfall::Module1 sound(stackfall::embeddedResource);
    stackfall::SoundRelay relay(sound);
    stackfall::Form1 form;
    stackfall::ProgramWindows windows(form, [](int code) { QCoreApplication::exit(code); });
    stackfall::Form1Ops ops(form, windows, [&relay](int id) { relay.play(id); });
    stackfall::ClockRandom random;
    stackfall::Game game(ops, random);
    form.attach(game);

    game.Form_Load();
    if (const QScreen* screen = form.screen()) {
        form.move(screen->availableGeometry().center() - form.rect().center());
    }
    form.show();

    const int code = QApplication::exec();
    // Windows closed in the last moments are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
