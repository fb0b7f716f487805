// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Palette.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace stackfall::pictures {

[[nodiscard]] constexpr QColor toQColor(Rgb c) {
    return {red(c), green(c), blue(c)};
}

// The colours of the main window, so the pictures sit well on it, and the
// pictures' own.
namespace palette {
inline constexpr QColor WindowGrey = toQColor(stackfall::palette::WindowGrey);
inline constexpr QColor ClockGrey = toQColor(stackfall::palette::MidGrey);
inline constexpr QColor Navy = toQColor(stackfall::palette::Navy);
inline constexpr QColor Blue = toQColor(colour::FallingBlock);
inline constexpr QColor DarkBlue = toQColor(colour::SettledBlock);
inline constexpr QColor Midnight(0, 0, 72);
inline constexpr QColor Ice(238, 242, 255);
inline constexpr QColor Gold(255, 204, 0);
inline constexpr QColor Ember(255, 112, 32);
} // namespace palette

// `from` moved towards `to` by `t` (0 to 1), keeping the alpha of `from`.
[[nodiscard]] QColor mix(QColor from, QColor to, qreal t);

// The shades of a bevelled block of colour `base`; the SVG icon uses them too.
struct BlockShades {
    QColor faceLight; // the face's gradient runs from top left to bottom right
    QColor faceDark;
    QColor top;
    QColor left;
    QColor bottom;
    QColor right;
    QColor outline;
};
[[nodiscard]] BlockShades blockShades(QColor base);
// The bevel width and outline width of a block `side` pixels wide.
[[nodiscard]] qreal bevelWidth(qreal side);
[[nodiscard]] qreal outlineWidth(qreal side);

// DejaVu Sans is the one face every machine has, so the output is the same
// wherever the pictures are remade.
[[nodiscard]] QFont dejaVu(int pixelSize, bool bold = true);

// An image of `size` logical pixels drawn at `scale` device pixels each:
// transparent when it carries alpha, else 24-bit and white.
[[nodiscard]] QImage newCanvas(QSize size, int scale, bool alpha);

// Antialiased painting in logical pixels.
void prepare(QPainter& painter, int scale);

// A playfield block with a bevel: light along the top and left, dark along
// the bottom and right, as the blocks look when they catch the light.
void drawBlock(QPainter& painter, const QRectF& rect, QColor base);

// The text as a path whose advance is centred on `centreX` and whose capital
// letters are centred on `centreY`.
[[nodiscard]] QPainterPath centredText(const QString& text, const QFont& font, qreal centreX,
                                       qreal centreY);

// Strokes the outline under the fill, so thin letters keep their shape.
void drawOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, QColor outline,
                  qreal outlineWidth);

// The maker's mark: three stacked blocks and "Stackfall team", centred on
// `centre`, the text `pixelSize` high.
void drawMakersMark(QPainter& painter, QPointF centre, int pixelSize, QColor text);

} // namespace stackfall::pictures
