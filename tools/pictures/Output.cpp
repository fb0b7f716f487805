// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include "Bytes.h"

#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstdio>

namespace stackfall::pictures {

namespace {

std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return crc ^ 0xFFFFFFFFU;
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data) {
    appendBig32(png, static_cast<std::uint32_t>(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    png.append(typed);
    appendBig32(png, crc32(typed));
}

} // namespace

QByteArray pngBytes(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    // Every row unfiltered: the game decodes a picture each time it draws
    // one, and unfiltered rows decode in about half the time of the adaptive
    // filters Qt's writer picks, at much the same size for these pictures.
    const bool alpha = image.hasAlphaChannel();
    const QImage pixels =
        image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const auto rowBytes = static_cast<qsizetype>(pixels.width()) * (alpha ? 4 : 3);
    QByteArray rows;
    rows.reserve((rowBytes + 1) * pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        rows.append('\0');
        rows.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
    }

    QByteArray header;
    appendBig32(header, static_cast<std::uint32_t>(pixels.width()));
    appendBig32(header, static_cast<std::uint32_t>(pixels.height()));
    header.append(static_cast<char>(8));             // bits per sample
    header.append(static_cast<char>(alpha ? 6 : 2)); // RGBA or RGB
    header.append(3, '\0');                          // deflate, adaptive filtering, no interlace

    QByteArray png("\x89PNG\r\n\x1a\n");
    appendChunk(png, "IHDR", header);
    // qCompress gives a zlib stream behind four bytes of length.
    appendChunk(png, "IDAT", qCompress(rows, 9).mid(4));
    appendChunk(png, "IEND", {});
    return png;
}

void Output::savePng(const QImage& image, const QString& name) {
    const QByteArray bytes = pngBytes(image);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "make_pictures: cannot encode %s\n", qPrintable(name));
        ok_ = false;
        return;
    }
    saveBytes(bytes, name);
}

void Output::saveBytes(const QByteArray& bytes, const QString& name) {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "make_pictures: cannot write %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
        ok_ = false;
        return;
    }
    ++written_;
}

} // namespace stackfall::pictures
