// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>

namespace stackfall::pictures {

// Integers as the file formats store them: ico little-endian, icns and PNG
// big-endian.
inline void appendLittle16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

inline void appendLittle32(QByteArray& out, std::uint32_t value) {
    appendLittle16(out, value & 0xFFFF);
    appendLittle16(out, value >> 16);
}

inline void appendBig32(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

} // namespace stackfall::pictures
