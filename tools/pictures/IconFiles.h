// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <span>

namespace stackfall::pictures {

// One size of the icon, already encoded as PNG.
struct IconEntry {
    int size = 0;
    QByteArray png;
};

// A Windows icon file whose entries are PNG images (sizes 1 to 256).
[[nodiscard]] QByteArray icoContainer(std::span<const IconEntry> entries);

// A macOS icon file. Only the sizes that have a PNG entry type are allowed:
// 16, 32, 64, 128, 256, 512 and 1024.
[[nodiscard]] QByteArray icnsContainer(std::span<const IconEntry> entries);

} // namespace stackfall::pictures
