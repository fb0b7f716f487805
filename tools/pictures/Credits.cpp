// SPDX-License-Identifier: GPL-3.0-or-later
// The credits card of the about box: the title with the icon on a light
// band, and the credits on a dark panel below it.

#include "Icon.h"
#include "Output.h"
#include "Paint.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace stackfall::pictures {

namespace {

constexpr QSize CardSize(350, 250);

void drawBackground(QPainter& painter) {
    QLinearGradient light(0, 0, 0, CardSize.height());
    light.setColorAt(0, palette::Ice);
    light.setColorAt(1, QColor(180, 194, 240));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(CardSize)), light);
    painter.setPen(QPen(palette::Navy, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, CardSize.width() - 2, CardSize.height() - 2));
}

void drawHeading(QPainter& painter) {
    const QFont font = dejaVu(44);
    const QString title = QStringLiteral("Stackfall");
    const int iconSize = 48;
    const qreal gap = 12;
    const qreal width = iconSize + gap + QFontMetricsF(font).horizontalAdvance(title);
    const qreal left = (CardSize.width() - width) / 2;
    const qreal middle = 42;

    painter.drawImage(QPointF(left, middle - iconSize / 2.0), iconImage(iconSize));
    const QPainterPath text =
        centredText(title, font, left + iconSize + gap + (width - iconSize - gap) / 2, middle);
    QLinearGradient fill(0, middle - 18, 0, middle + 18);
    fill.setColorAt(0, QColor(80, 120, 255));
    fill.setColorAt(1, palette::DarkBlue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawPath(text.translated(2, 2));
    drawOutlined(painter, text, fill, palette::Navy, 2);
}

void drawCredits(QPainter& painter) {
    const QRectF panel(14, 80, CardSize.width() - 28, CardSize.height() - 94);
    QLinearGradient dark(panel.topLeft(), panel.bottomLeft());
    dark.setColorAt(0, QColor(0, 0, 160));
    dark.setColorAt(1, palette::Midnight);
    painter.setPen(QPen(palette::Gold, 2));
    painter.setBrush(dark);
    painter.drawRoundedRect(panel, 10, 10);

    struct Line {
        QString text;
        int pixelSize;
        bool bold;
        QColor colour;
        qreal middle;
    };
    const std::array<Line, 3> lines{{
        {QStringLiteral("A falling-block puzzle"), 17, true, Qt::white, 104},
        {QStringLiteral("Made by the Stackfall team"), 13, false, QColor(200, 212, 255), 134},
        {QStringLiteral("Thanks to everyone who plays!"), 13, true, palette::Gold, 158},
    }};
    painter.setPen(Qt::NoPen);
    for (const Line& line : lines) {
        painter.setBrush(line.colour);
        painter.drawPath(centredText(line.text, dejaVu(line.pixelSize, line.bold),
                                     panel.center().x(), line.middle));
    }

    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.drawLine(QPointF(panel.left() + 40, 184.5), QPointF(panel.right() - 40, 184.5));
    drawMakersMark(painter, QPointF(panel.center().x(), 209), 13, QColor(190, 202, 255));
}

QImage creditsImage(int scale) {
    QImage image = newCanvas(CardSize, scale, false);
    QPainter painter(&image);
    prepare(painter, scale);
    drawBackground(painter);
    drawHeading(painter);
    drawCredits(painter);
    return image;
}

} // namespace

void writeCredits(Output& out) {
    out.savePng(creditsImage(1), QStringLiteral("credits.png"));
    out.savePng(creditsImage(2), QStringLiteral("credits@2x.png"));
}

} // namespace stackfall::pictures
