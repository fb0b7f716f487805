// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player from the sound module, loaded at run time.
#include "EmbeddedSounds.h"
#include "SoundLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace stackfall {

QStringList soundModuleFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + QStringLiteral("/" STACKFALL_MODULES_INSTALLED))};
}

// The module stays loaded until the process ends.
std::unique_ptr<SoundInterface> loadSoundPlayer(const QStringList& folders) {
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(QStringLiteral(STACKFALL_SOUND_MODULE_FILE)));
        const auto create =
            reinterpret_cast<CreateSoundPlayer>(module.resolve(CreateSoundPlayerName));
        if (create != nullptr) {
            return std::unique_ptr<SoundInterface>(create(embeddedSounds()));
        }
    }
    return nullptr;
}

} // namespace stackfall
