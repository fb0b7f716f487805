// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace stackfall::pictures {

QColor mix(QColor from, QColor to, qreal t) {
    const auto channel = [t](int a, int b) { return qRound(a + (b - a) * t); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()), from.alpha());
}

BlockShades blockShades(QColor base) {
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return {mix(base, white, 0.18), mix(base, black, 0.12), mix(base, white, 0.55),
            mix(base, white, 0.3),  mix(base, black, 0.45), mix(base, black, 0.3),
            mix(base, black, 0.6)};
}

qreal bevelWidth(qreal side) {
    return std::max(1.0, side / 7);
}

qreal outlineWidth(qreal side) {
    return std::max(1.0, side / 24);
}

QFont dejaVu(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Machines with the extra DejaVu package also list condensed faces under
    // this family; ask for the normal width so they are never picked.
    font.setStretch(QFont::Unstretched);
    return font;
}

QImage newCanvas(QSize size, int scale, bool alpha) {
    QImage image(size * scale, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(alpha ? Qt::transparent : Qt::white);
    return image;
}

void prepare(QPainter& painter, int scale) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
}

void drawBlock(QPainter& painter, const QRectF& rect, QColor base) {
    painter.save();
    const BlockShades shades = blockShades(base);

    QLinearGradient face(rect.topLeft(), rect.bottomRight());
    face.setColorAt(0, shades.faceLight);
    face.setColorAt(1, shades.faceDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRect(rect);

    // The bevel: four trapezoids between the outer edge and an inner square.
    const qreal bevel = bevelWidth(rect.width());
    const QRectF inner = rect.adjusted(bevel, bevel, -bevel, -bevel);
    const auto side = [&](QPointF a, QPointF b, QPointF c, QPointF d, QColor colour) {
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF({a, b, c, d}));
    };
    side(rect.topLeft(), rect.topRight(), inner.topRight(), inner.topLeft(), shades.top);
    side(rect.topLeft(), inner.topLeft(), inner.bottomLeft(), rect.bottomLeft(), shades.left);
    side(rect.bottomLeft(), inner.bottomLeft(), inner.bottomRight(), rect.bottomRight(),
         shades.bottom);
    side(rect.topRight(), rect.bottomRight(), inner.bottomRight(), inner.topRight(), shades.right);

    const qreal line = outlineWidth(rect.width());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(shades.outline, line));
    painter.drawRect(rect.adjusted(line / 2, line / 2, -line / 2, -line / 2));
    painter.restore();
}

QPainterPath centredText(const QString& text, const QFont& font, qreal centreX, qreal centreY) {
    const QFontMetricsF metrics(font);
    QPainterPath path;
    path.addText(centreX - metrics.horizontalAdvance(text) / 2, centreY + metrics.capHeight() / 2,
                 font, text);
    return path;
}

void drawOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, QColor outline,
                  qreal outlineWidth) {
    painter.save();
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void drawMakersMark(QPainter& painter, QPointF centre, int pixelSize, QColor text) {
    const QFont font = dejaVu(pixelSize, true);
    const QString name = QStringLiteral("Stackfall team");
    const qreal block = std::round(pixelSize * 0.6);
    const qreal gap = std::round(pixelSize * 0.5);
    const qreal width = 2 * block + gap + QFontMetricsF(font).horizontalAdvance(name);
    const qreal left = std::round(centre.x() - width / 2);
    const qreal top = std::round(centre.y() - block);

    // A corner of two blocks with a third settled on it: the stack in the name.
    // A lighter blue than the game's keeps them visible on the dark panels.
    const QColor blue(50, 96, 255);
    drawBlock(painter, QRectF(left, top + block, block, block), blue);
    drawBlock(painter, QRectF(left + block, top + block, block, block), blue);
    drawBlock(painter, QRectF(left, top, block, block), palette::Gold);

    painter.save();
    painter.setFont(font);
    painter.setPen(text);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(left + 2 * block + gap, centre.y() + metrics.capHeight() / 2), name);
    painter.restore();
}

} // namespace stackfall::pictures
