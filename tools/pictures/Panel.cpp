// SPDX-License-Identifier: GPL-3.0-or-later
// The background of the side panel. The controls of the main window lie on
// top of it, so every decoration keeps to the gaps between them: the title
// in the top left corner above "Next ", the wave below the level box, the
// menu heading above the start button, the upright title right of the
// buttons and the maker's mark under the exit button. All coordinates here
// are the panel's own (it sits at x 264 in the window).

#include "Output.h"
#include "Paint.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace stackfall::pictures {

namespace {

constexpr QSize PanelSize(215, 391);

constexpr QColor LightTop = palette::Ice;
constexpr QColor LightBottom(196, 208, 244);
constexpr QColor DarkTop(0, 0, 168);
constexpr QColor DarkBottom(0, 0, 64);

// The top edge of the dark area: a slow wave that stays below the level box
// (which ends at y 145) and above the menu heading (which starts at y 172).
qreal waveY(qreal x, qreal phase = 0) {
    return 160 - 6 * std::sin(2 * std::numbers::pi * x / 150 + phase);
}

QPainterPath areaBelowWave(qreal shift, qreal phase) {
    QPainterPath path;
    path.moveTo(0, PanelSize.height());
    for (qreal x = 0; x <= PanelSize.width(); x += 1) {
        path.lineTo(x, waveY(x, phase) + shift);
    }
    path.lineTo(PanelSize.width(), PanelSize.height());
    path.closeSubpath();
    return path;
}

void drawLightArea(QPainter& painter) {
    QLinearGradient light(0, 0, 0, 170);
    light.setColorAt(0, LightTop);
    light.setColorAt(1, LightBottom);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(PanelSize)), light);
}

// Faint pieces in the free corners of the light area, drifting down like
// the ones in the playfield: an I left of the preview, an L below it.
void drawGhostPieces(QPainter& painter) {
    constexpr qreal Side = 12;
    constexpr std::array<QPointF, 8> Blocks{
        {{8, 52}, {8, 64}, {8, 76}, {8, 88}, {50, 120}, {62, 120}, {74, 120}, {74, 132}}};
    painter.save();
    painter.setOpacity(0.12);
    for (const QPointF& corner : Blocks) {
        drawBlock(painter, QRectF(corner, QSizeF(Side, Side)), palette::Blue);
    }
    painter.restore();
}

void drawTitle(QPainter& painter) {
    const QFont font = dejaVu(21);
    const QPainterPath title = centredText(QStringLiteral("Stackfall"), font, 62, 15);
    QLinearGradient fill(0, 4, 0, 26);
    fill.setColorAt(0, QColor(60, 90, 255));
    fill.setColorAt(1, palette::Navy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawPath(title.translated(1, 1));
    painter.setBrush(fill);
    painter.drawPath(title);
}

void drawWave(QPainter& painter) {
    // A pale crest first, then the dark water over it, then a bright line
    // along the edge, so the border reads as a wave and not as a cut.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 120, 255, 90));
    painter.drawPath(areaBelowWave(-7, 0.9));

    QLinearGradient dark(0, 150, 0, PanelSize.height());
    dark.setColorAt(0, DarkTop);
    dark.setColorAt(1, DarkBottom);
    painter.setBrush(dark);
    const QPainterPath water = areaBelowWave(0, 0);
    painter.drawPath(water);

    QPainterPath edge;
    edge.moveTo(0, waveY(0));
    for (qreal x = 1; x <= PanelSize.width(); x += 1) {
        edge.lineTo(x, waveY(x));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 180, 255), 1.5));
    painter.drawPath(edge);
}

void drawMenuHeading(QPainter& painter) {
    const QFont font = dejaVu(15);
    const QString text = QStringLiteral("Menu");
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(centredText(text, font, 18 + width / 2, 178));
    painter.setBrush(palette::Gold);
    painter.drawRoundedRect(QRectF(18, 187, width, 2), 1, 1);
}

void drawUprightTitle(QPainter& painter) {
    const QFont font = dejaVu(31);
    painter.save();
    // Reads from bottom to top, as titles on a book's spine often do.
    painter.translate(172, 272);
    painter.rotate(-90);
    const QPainterPath title = centredText(QStringLiteral("Stackfall"), font, 0, 0);
    QLinearGradient fill(-80, 0, 80, 0);
    fill.setColorAt(0, QColor(90, 130, 255));
    fill.setColorAt(1, QColor(235, 240, 255));
    drawOutlined(painter, title, fill, QColor(0, 0, 40, 180), 3);
    painter.restore();
}

void drawFooter(QPainter& painter) {
    painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
    painter.drawLine(QPointF(12, 361.5), QPointF(PanelSize.width() - 12, 361.5));
    drawMakersMark(painter, QPointF(PanelSize.width() / 2.0, 376), 11, QColor(190, 202, 255));
}

QImage panelImage(int scale) {
    QImage image = newCanvas(PanelSize, scale, false);
    QPainter painter(&image);
    prepare(painter, scale);
    drawLightArea(painter);
    drawGhostPieces(painter);
    drawTitle(painter);
    drawWave(painter);
    drawMenuHeading(painter);
    drawUprightTitle(painter);
    drawFooter(painter);
    return image;
}

} // namespace

void writePanel(Output& out) {
    out.savePng(panelImage(1), QStringLiteral("panel.png"));
    out.savePng(panelImage(2), QStringLiteral("panel@2x.png"));
}

} // namespace stackfall::pictures
