// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundRelay.h"

#include "EmbeddedSounds.h"
#include "SoundInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <utility>

namespace stackfall {

namespace {

// Long enough that a running game keeps its device open between pieces.
constexpr int IdleMilliseconds = 3000;

} // namespace

SoundRelay::SoundRelay(QStringList folders) : folders_(std::move(folders)) {
    idle_.setSingleShot(true);
    idle_.setInterval(IdleMilliseconds);
    connect(&idle_, &QTimer::timeout, this, [this] {
        if (player_) {
            player_->releaseIdleDevice();
        }
    });
}

// The player closes its device and SDL before the module's code could go;
// the module itself stays loaded until the process ends.
SoundRelay::~SoundRelay() = default;

QStringList SoundRelay::moduleFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + QStringLiteral("/" STACKFALL_SOUND_MODULE_INSTALLED))};
}

void SoundRelay::prepare() {
    if (tried_) {
        return;
    }
    // Once only: a module that is missing now will not turn up mid-game.
    tried_ = true;
    for (const QString& folder : std::as_const(folders_)) {
        QLibrary module(QDir(folder).filePath(QStringLiteral(STACKFALL_SOUND_MODULE_FILE)));
        const auto create =
            reinterpret_cast<CreateSoundPlayer>(module.resolve(CreateSoundPlayerName));
        if (create != nullptr) {
            player_.reset(create(embeddedSound));
            return;
        }
    }
}

void SoundRelay::play(Sound sound) {
    prepare();
    if (player_) {
        player_->play(sound);
        idle_.start();
    }
}

} // namespace stackfall
