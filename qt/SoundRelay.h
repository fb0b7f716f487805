// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sound.h"
#include "SoundInterface.h"
#include "SoundLoader.h"

#include <QStringList>
#include <QTimer>

#include <memory>

namespace stackfall {

// The game's way to its sounds: passes each to the sound player, and lets the
// audio device go a few seconds after the last one, so that nothing runs
// between games.
//
// The player, and the audio libraries under it, are loaded when the first
// sound is asked for (or by prepare()), not at start-up (see SoundLoader.h).
// Where the module cannot be found or loaded, the game plays on in silence.
class SoundRelay final : public SoundInterface {
public:
    // Looks for the module in `folders`, in order.
    explicit SoundRelay(QStringList folders = soundModuleFolders());
    ~SoundRelay() override;

    // Loads the player now if that has not been tried yet.
    void prepare();
    void play(Sound sound) override;
    void releaseIdleDevice() override;

    // True once the player is made.
    [[nodiscard]] bool ready() const { return player_ != nullptr; }

private:
    QStringList folders_;
    bool tried_ = false;
    std::unique_ptr<SoundInterface> player_;
    QTimer idle_;
};

} // namespace stackfall
