// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace stackfall::pictures {

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Maximum compression: the files are committed and embedded in the game.
    writer.setQuality(0);
    if (!writer.write(image)) {
        return {};
    }
    return bytes;
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
