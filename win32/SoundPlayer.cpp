// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundPlayer.h"

#include <mmsystem.h>

namespace stackfall {

std::span<const std::byte> SoundPlayer::waveImage(Sound sound) const {
    // Resource type names match whatever their case.
    HRSRC info = FindResourceW(instance_, MAKEINTRESOURCEW(static_cast<int>(sound)), L"SOUNDS");
    HGLOBAL loaded = info != nullptr ? LoadResource(instance_, info) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const std::byte*>(bytes), SizeofResource(instance_, info)};
}

void SoundPlayer::play(Sound sound) {
    const std::span<const std::byte> image = waveImage(sound);
    if (!image.empty()) {
        PlaySoundW(reinterpret_cast<LPCWSTR>(image.data()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
}

} // namespace stackfall
