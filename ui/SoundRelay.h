#pragma once

#include "Sound.h"

#include <QObject>
#include <QTimer>

namespace stackfall {

class SoundPlayer;

// Passes the game's sounds to the sound module, and lets the audio device go
// a few seconds after the last one, so that nothing runs between games.
class SoundRelay final : public QObject {
    Q_OBJECT
public:
    explicit SoundRelay(SoundPlayer& sound);

    void play(Sound sound);

private:
    SoundPlayer& sound_;
    QTimer idle_;
};

} // namespace stackfall
