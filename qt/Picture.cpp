// SPDX-License-Identifier: GPL-3.0-or-later
#include "Picture.h"

#include <QImageReader>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <algorithm>

namespace stackfall {

namespace {

QPixmap load(const QString& name, const char* suffix, qreal ratio) {
    QPixmap pixmap = embeddedPng(name + QLatin1String(suffix));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QPixmap embeddedPng(const QString& name) {
    QImageReader reader(QStringLiteral(":/pictures/%1.png").arg(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
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
