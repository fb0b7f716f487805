// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconFiles.h"

#include "Bytes.h"

#include <cstdint>
#include <stdexcept>

namespace stackfall::pictures {

namespace {

std::uint32_t length(const QByteArray& bytes) {
    return static_cast<std::uint32_t>(bytes.size());
}

// The icns entry type that holds a PNG of `size` pixels, or empty if none does.
QByteArray icnsType(int size) {
    switch (size) {
    case 16:
        return "icp4";
    case 32:
        return "icp5";
    case 64:
        return "icp6";
    case 128:
        return "ic07";
    case 256:
        return "ic08";
    case 512:
        return "ic09";
    case 1024:
        return "ic10";
    default:
        return {};
    }
}

} // namespace

QByteArray icoContainer(std::span<const IconEntry> entries) {
    constexpr std::uint32_t HeaderSize = 6;
    constexpr std::uint32_t EntrySize = 16;
    QByteArray out;
    appendLittle16(out, 0); // reserved
    appendLittle16(out, 1); // 1 = icon, 2 = cursor
    appendLittle16(out, static_cast<std::uint32_t>(entries.size()));

    std::uint32_t offset = HeaderSize + EntrySize * static_cast<std::uint32_t>(entries.size());
    for (const IconEntry& entry : entries) {
        if (entry.size < 1 || entry.size > 256) {
            throw std::invalid_argument("an ico entry is 1 to 256 pixels");
        }
        // A side of 256 does not fit in the byte and is written as 0.
        const auto side = static_cast<char>(entry.size == 256 ? 0 : entry.size);
        out.append(side);
        out.append(side);
        out.append('\0');        // colours in the palette: none
        out.append('\0');        // reserved
        appendLittle16(out, 1);  // colour planes
        appendLittle16(out, 32); // bits per pixel
        appendLittle32(out, length(entry.png));
        appendLittle32(out, offset);
        offset += length(entry.png);
    }
    for (const IconEntry& entry : entries) {
        out.append(entry.png);
    }
    return out;
}

QByteArray icnsContainer(std::span<const IconEntry> entries) {
    constexpr std::uint32_t HeaderSize = 8; // type and length, before every block
    QByteArray body;
    for (const IconEntry& entry : entries) {
        const QByteArray type = icnsType(entry.size);
        if (type.isEmpty()) {
            throw std::invalid_argument("no icns entry type holds this size");
        }
        body.append(type);
        appendBig32(body, HeaderSize + length(entry.png));
        body.append(entry.png);
    }
    QByteArray out("icns");
    appendBig32(out, HeaderSize + length(body));
    out.append(body);
    return out;
}

} // namespace stackfall::pictures
