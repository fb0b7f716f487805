// SPDX-License-Identifier: GPL-3.0-or-later
// The pause banner, shown over the playfield while the game is paused. It
// must stand out against white cells and blue blocks alike: a navy plate with
// a gold rim, and a key cap for F3 so the way back is obvious.

#include "Output.h"
#include "Paint.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace stackfall::pictures {

namespace {

constexpr QSize BannerSize(130, 70);

void drawKeyCap(QPainter& painter, const QRectF& cap, const QString& key) {
    painter.save();
    QLinearGradient face(cap.topLeft(), cap.bottomLeft());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, palette::WindowGrey);
    painter.setPen(QPen(palette::Midnight, 1));
    painter.setBrush(face);
    painter.drawRoundedRect(cap, 3, 3);
    painter.setPen(palette::Navy);
    painter.setFont(dejaVu(11));
    painter.drawText(cap, Qt::AlignCenter, key);
    painter.restore();
}

QImage bannerImage(int scale) {
    QImage image = newCanvas(BannerSize, scale, true);
    QPainter painter(&image);
    prepare(painter, scale);

    const QRectF plate(1, 1, 128, 68);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, QColor(20, 40, 170));
    fill.setColorAt(1, palette::Midnight);
    painter.setPen(QPen(palette::Gold, 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate, 10, 10);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 8, 8);

    // Top line: the pause sign and the word.
    const QFont title = dejaVu(20);
    const QString word = QStringLiteral("PAUSED");
    const qreal barWidth = 4;
    const qreal barGap = 3;
    const qreal signWidth = 2 * barWidth + barGap;
    const qreal gap = 7;
    const qreal wordWidth = QFontMetricsF(title).horizontalAdvance(word);
    const qreal left = plate.center().x() - (signWidth + gap + wordWidth) / 2;
    const qreal titleMiddle = 24;
    const qreal capHeight = QFontMetricsF(title).capHeight();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::Gold);
    for (const qreal x : {left, left + barWidth + barGap}) {
        painter.drawRoundedRect(QRectF(x, titleMiddle - capHeight / 2, barWidth, capHeight), 1, 1);
    }
    drawOutlined(painter,
                 centredText(word, title, left + signWidth + gap + wordWidth / 2, titleMiddle),
                 Qt::white, palette::Midnight, 2);

    // Bottom line: how to go on.
    const QFont hint = dejaVu(12, false);
    const QString rest = QStringLiteral("to continue");
    const QSizeF cap(24, 17);
    const qreal hintWidth = cap.width() + 6 + QFontMetricsF(hint).horizontalAdvance(rest);
    const qreal hintLeft = plate.center().x() - hintWidth / 2;
    const qreal hintMiddle = 50;
    drawKeyCap(painter, QRectF(QPointF(hintLeft, hintMiddle - cap.height() / 2), cap),
               QStringLiteral("F3"));
    painter.setBrush(QColor(230, 236, 255));
    painter.drawPath(centredText(
        rest, hint, hintLeft + cap.width() + 6 + QFontMetricsF(hint).horizontalAdvance(rest) / 2,
        hintMiddle));
    return image;
}

} // namespace

void writePauseBanner(Output& out) {
    out.savePng(bannerImage(1), QStringLiteral("pause.png"));
    out.savePng(bannerImage(2), QStringLiteral("pause@2x.png"));
}

} // namespace stackfall::pictures
