// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundRelay.h"

#include "SoundLoader.h"

#include <utility>

namespace stackfall {

namespace {

// Long enough that a running game keeps its device open between pieces.
constexpr int IdleMilliseconds = 3000;

} // namespace

SoundRelay::SoundRelay(QStringList folders) : folders_(std::move(folders)) {
    idle_.setSingleShot(true);
    idle_.setInterval(IdleMilliseconds);
    QObject::connect(&idle_, &QTimer::timeout, [this] { releaseIdleDevice(); });
}

// The player closes its device and SDL before the module's code could go.
SoundRelay::~SoundRelay() = default;

void SoundRelay::prepare() {
    if (tried_) {
        return;
    }
    // Once only: a module that is missing now will not turn up mid-game.
    tried_ = true;
    player_ = loadSoundPlayer(folders_);
}

void SoundRelay::play(Sound sound) {
    prepare();
    if (player_) {
        player_->play(sound);
        idle_.start();
    }
}

void SoundRelay::releaseIdleDevice() {
    if (player_) {
        player_->releaseIdleDevice();
    }
}

} // namespace stackfall
