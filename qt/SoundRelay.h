// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sound.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace stackfall {

class SoundInterface;

// Passes the game's sounds to the sound module, and lets the audio device go
// a few seconds after the last one, so that nothing runs between games.
//
// The module, and the audio libraries it links, are loaded when the first
// sound is asked for (or by prepare()), not at start-up. Where the module
// cannot be found or loaded, the game plays on in silence.
class SoundRelay final : public QObject {
    Q_OBJECT
public:
    // Looks for the module in `folders`, in order.
    explicit SoundRelay(QStringList folders = moduleFolders());
    ~SoundRelay() override;

    // Beside the executable, as in a build tree, then the folder the module
    // is installed in.
    [[nodiscard]] static QStringList moduleFolders();

    // Loads the module now if that has not been tried yet.
    void prepare();
    void play(Sound sound);

    // True once the module is loaded and its player made.
    [[nodiscard]] bool ready() const { return player_ != nullptr; }

private:
    QStringList folders_;
    bool tried_ = false;
    std::unique_ptr<SoundInterface> player_;
    QTimer idle_;
};

} // namespace stackfall
