// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmbeddedSounds.h"

#include <QResource>
#include <QString>

namespace stackfall {

std::span<const std::byte> embeddedSound(Sound sound) {
    // Any other number names no file, so needs no check of its own.
    const QResource resource(QStringLiteral(":/sounds/%1.wav").arg(static_cast<int>(sound)));
    // The player reads the image in place, so it must be stored as it is.
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.data() == nullptr) {
        return {};
    }
    return {reinterpret_cast<const std::byte*>(resource.data()),
            static_cast<std::size_t>(resource.size())};
}

SoundImages embeddedSounds() {
    return {embeddedSound(Sound::Settled), embeddedSound(Sound::Turn),
            embeddedSound(Sound::RowsRemoved)};
}

} // namespace stackfall
