// SPDX-License-Identifier: GPL-3.0-or-later
#include "Picture.h"

#include "Png.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QResource>

#include <algorithm>
#include <bit>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace stackfall {

namespace {

// The image takes the decoded pixels over rather than copying them.
QImage adopted(png::Image&& decoded) {
    using Pixels = std::vector<std::uint8_t>;
    auto pixels = std::make_unique<Pixels>(std::move(decoded.bgra));
    if constexpr (std::endian::native == std::endian::big) {
        // ARGB32 is a 32-bit word: on this machine alpha comes first.
        for (auto pixel = pixels->begin(); pixel != pixels->end(); pixel += 4) {
            std::reverse(pixel, pixel + 4);
        }
    }
    QImage image(
        pixels->data(), decoded.width, decoded.height, decoded.width * 4,
        decoded.translucent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32,
        [](void* owned) { std::unique_ptr<Pixels>(static_cast<Pixels*>(owned)); }, pixels.get());
    if (!image.isNull()) {
        static_cast<void>(pixels.release());
    }
    return image;
}

QPixmap load(const QString& name, const char* suffix, qreal ratio) {
    QPixmap pixmap = embeddedPng(name + QLatin1String(suffix));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QPixmap embeddedPng(const QString& name) {
    // Stored uncompressed (see assets/CMakeLists.txt), so read in place.
    const QByteArray file =
        QResource(QStringLiteral(":/pictures/%1.png").arg(name)).uncompressedData();
    std::optional<png::Image> decoded =
        png::decode(std::as_bytes(std::span(file.constData(), std::size_t(file.size()))));
    return decoded ? QPixmap::fromImage(adopted(std::move(*decoded))) : QPixmap();
}

Picture::Picture(const QString& name) : name_(name) {
}

QPixmap Picture::forRatio(qreal ratio) const {
    if (ratio > 1.0) {
        QPixmap sharp = load(name_, "@2x", 2.0);
        if (!sharp.isNull()) {
            return sharp;
        }
    }
    return load(name_, "", 1.0);
}

void Picture::draw(QPainter& painter, QPoint topLeft) const {
    const QPixmap pixmap = forRatio(painter.device()->devicePixelRatioF());
    // In bands: Qt hands a copy of a hundred rows or more to worker threads,
    // which for a copy made once cost more to start, and to end when they
    // have idled for half a minute, than the copy itself.
    constexpr int BandRows = 64;
    const qreal ratio = pixmap.devicePixelRatio();
    for (int row = 0; row < pixmap.height(); row += BandRows) {
        painter.drawPixmap(
            QPointF(topLeft) + QPointF(0, row / ratio), pixmap,
            QRectF(0, row, pixmap.width(), std::min(BandRows, pixmap.height() - row)));
    }
}

} // namespace stackfall
