#include "SoundRelay.h"

#include "SoundPlayer.h"

namespace stackfall {

namespace {

// Long enough that a running game keeps its device open between pieces.
constexpr int IdleMilliseconds = 3000;

} // namespace

SoundRelay::SoundRelay(SoundPlayer& sound) : sound_(sound) {
    idle_.setSingleShot(true);
    idle_.setInterval(IdleMilliseconds);
    connect(&idle_, &QTimer::timeout, this, [this] { sound_.releaseIdleDevice(); });
}

void SoundRelay::play(Sound sound) {
    sound_.play(sound);
    idle_.start();
}

} // namespace stackfall
