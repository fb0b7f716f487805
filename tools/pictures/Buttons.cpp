// SPDX-License-Identifier: GPL-3.0-or-later
// The three picture buttons of the side panel. They sit on its dark lower
// part, so they are bright, glossy and carry a soft shadow; a small symbol
// before each word tells them apart at a glance.

#include "Output.h"
#include "Paint.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace stackfall::pictures {

namespace {

constexpr QSize ButtonSize(100, 50);

enum class Symbol { Play, Info, Power };

struct Button {
    const char* file;
    const char* label;
    Symbol symbol;
};
constexpr std::array<Button, 3> Buttons{{{"start", "Start", Symbol::Play},
                                         {"about", "About", Symbol::Info},
                                         {"exit", "Exit", Symbol::Power}}};

constexpr qreal SymbolSize = 15;

void drawSymbol(QPainter& painter, Symbol symbol, const QRectF& box) {
    painter.save();
    const QColor colour(palette::Gold);
    const QPointF c = box.center();
    const qreal r = box.width() / 2;
    switch (symbol) {
    case Symbol::Play: {
        painter.setPen(QPen(palette::Navy, 1));
        painter.setBrush(colour);
        const QPolygonF triangle({QPointF(c.x() - r * 0.7, c.y() - r),
                                  QPointF(c.x() - r * 0.7, c.y() + r),
                                  QPointF(c.x() + r * 0.95, c.y())});
        painter.drawPolygon(triangle);
        break;
    }
    case Symbol::Info: {
        painter.setPen(QPen(palette::Navy, 1));
        painter.setBrush(colour);
        painter.drawEllipse(c, r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette::Navy);
        painter.drawEllipse(QPointF(c.x(), c.y() - r * 0.5), r * 0.16, r * 0.16);
        painter.drawRoundedRect(QRectF(c.x() - r * 0.14, c.y() - r * 0.2, r * 0.28, r * 0.8),
                                r * 0.1, r * 0.1);
        break;
    }
    case Symbol::Power: {
        // An open ring with a bar through its gap, the sign for switching off.
        const qreal w = r * 0.3;
        const QRectF ring(c.x() - r + w / 2, c.y() - r + w / 2, 2 * r - w, 2 * r - w);
        for (const auto& [pen, width] : {std::pair{palette::Navy, w + 2}, std::pair{colour, w}}) {
            painter.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
            painter.drawArc(ring, 55 * 16, -290 * 16);
            painter.drawLine(QPointF(c.x(), c.y() - r + w / 2), QPointF(c.x(), c.y() + r * 0.05));
        }
        break;
    }
    }
    painter.restore();
}

QImage buttonImage(const Button& button, int scale) {
    QImage image = newCanvas(ButtonSize, scale, true);
    QPainter painter(&image);
    prepare(painter, scale);

    const QRectF body(1, 1, 96, 45);
    const qreal radius = 12;

    // A soft shadow down and to the right: a few widening, faint layers.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(QColor(0, 0, 0, 46 - 12 * i));
        painter.drawRoundedRect(
            body.translated(2.5, 3).adjusted(-i * 0.7, -i * 0.7, i * 0.7, i * 0.7), radius + i,
            radius + i);
    }

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(96, 136, 255));
    fill.setColorAt(0.48, QColor(24, 64, 240));
    fill.setColorAt(0.52, QColor(0, 36, 220));
    fill.setColorAt(1, QColor(0, 0, 150));
    painter.setPen(QPen(QColor(0, 0, 70), 1.2));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);

    // Gloss over the upper half, and a thin light rim inside the edge.
    QLinearGradient gloss(body.topLeft(), QPointF(body.left(), body.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 140));
    gloss.setColorAt(1, QColor(255, 255, 255, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(
        QRectF(body.left() + 3, body.top() + 2, body.width() - 6, body.height() / 2 - 2),
        radius - 3, radius - 4);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5, radius - 1.5);

    const QFont font = dejaVu(17);
    const QString label = QString::fromLatin1(button.label);
    const qreal gap = 7;
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(label);
    const qreal left = body.center().x() - (SymbolSize + gap + textWidth) / 2;
    const qreal middle = body.center().y();

    drawSymbol(painter, button.symbol,
               QRectF(left, middle - SymbolSize / 2, SymbolSize, SymbolSize));
    const QPainterPath text =
        centredText(label, font, left + SymbolSize + gap + textWidth / 2, middle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 60, 160));
    painter.drawPath(text.translated(1, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(text);
    return image;
}

} // namespace

void writeButtons(Output& out) {
    for (const Button& button : Buttons) {
        const QString name = QString::fromLatin1(button.file);
        out.savePng(buttonImage(button, 1), name + QStringLiteral(".png"));
        out.savePng(buttonImage(button, 2), name + QStringLiteral("@2x.png"));
    }
}

} // namespace stackfall::pictures
