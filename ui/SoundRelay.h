#pragma once

#include <QObject>
#include <QTimer>

namespace stackfall {

class Module1;

// Passes the game's sounds to the sound module, and lets the audio device go
// a few seconds after the last one, so that nothing runs between games.
class SoundRelay final : public QObject {
    Q_OBJECT
public:
    explicit SoundRelay(Module1& sound);

    void play(int id);

private:
    Module1& sound_;
    QTimer idle_;
};

} // namespace stackfall
