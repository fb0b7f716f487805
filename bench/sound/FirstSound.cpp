// SPDX-License-Identifier: GPL-3.0-or-later
// The first sound of a game, in a program that has loaded what the game has
// by then (Qt and a shown window on the desktop's platform) and nothing of
// the audio stack: loading the sound module (SDL with the libraries under
// it), then the first play, which brings up audio, opens the device and
// decodes the sound, then a second play.
// One measurement per process, since a loaded library stays loaded:
// first_sound.sh runs it again and again and gives the medians.
#include "SoundRelay.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(485, 424);
    window.show();
    stackfall::SoundRelay relay({QStringLiteral(STACKFALL_SOUND_MODULE_DIR)});

    int status = 1;
    // Once the window is up, as when a player starts a game.
    QTimer::singleShot(300, [&] {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        relay.prepare();
        const auto loaded = Clock::now();
        relay.play(stackfall::Sound::Settled);
        const auto played = Clock::now();
        relay.play(stackfall::Sound::Settled);
        const auto replayed = Clock::now();

        const auto us = [](Clock::duration d) {
            return std::chrono::duration<double, std::micro>(d).count();
        };
        if (relay.ready()) {
            std::printf("load_us=%.1f first_play_us=%.1f next_play_us=%.1f\n", us(loaded - start),
                        us(played - loaded), us(replayed - played));
            status = 0;
        } else {
            std::fputs("first_sound: the sound module did not load\n", stderr);
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
