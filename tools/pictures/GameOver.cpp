// SPDX-License-Identifier: GPL-3.0-or-later
// The game-over picture: on the left a tower of pieces toppling onto a
// dazed block, on the right the verdict in big bouncing letters and the
// final score of the only match that matters, gravity against the player.

#include "Output.h"
#include "Paint.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace stackfall::pictures {

namespace {

constexpr QSize PictureSize(499, 337);
constexpr qreal Side = 22;    // a block of the illustration
constexpr qreal FloorY = 303; // top of the floor row

struct Cell {
    int column;
    int row;
};

// A piece drawn with its top-left cell corner at `at`, turned by `degrees`
// about that corner. Returns the centre of its blocks.
QPointF drawPiece(QPainter& painter, QPointF at, qreal degrees, std::initializer_list<Cell> cells,
                  QColor colour) {
    QTransform place;
    place.translate(at.x(), at.y());
    place.rotate(degrees);
    QPointF sum;
    painter.save();
    painter.setTransform(place, true);
    for (const Cell& c : cells) {
        const QRectF block(c.column * Side, c.row * Side, Side, Side);
        drawBlock(painter, block, colour);
        sum += place.map(block.center());
    }
    painter.restore();
    return sum / static_cast<qreal>(cells.size());
}

// Two speed lines trailing a piece that falls along `direction`.
void drawTrail(QPainter& painter, QPointF centre, QPointF direction) {
    const qreal length = std::hypot(direction.x(), direction.y());
    const QPointF along = direction / length;
    const QPointF across(-along.y(), along.x());
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 210), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (const qreal offset : {-9.0, 9.0}) {
        const QPointF start = centre - along * 34 + across * offset;
        painter.drawLine(start, start - along * (offset < 0 ? 30 : 22));
    }
    painter.restore();
}

void drawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, FloorY);
    sky.setColorAt(0, QColor(150, 176, 255));
    sky.setColorAt(1, palette::Ice);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(PictureSize)), sky);

    // A soft glow behind the verdict, to lift it off the sky.
    QRadialGradient glow(QPointF(362, 120), 170);
    glow.setColorAt(0, QColor(255, 255, 255, 200));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(PictureSize)), glow);
}

void drawFloor(QPainter& painter) {
    // Two settled rows of the playfield, each with a hole that never filled.
    for (int row = 0; row < 2; ++row) {
        const int hole = row == 0 ? 13 : 5;
        for (int column = 0; column * Side < PictureSize.width(); ++column) {
            if (column == hole) {
                continue;
            }
            drawBlock(painter, QRectF(column * Side - 4, FloorY + row * Side, Side, Side),
                      palette::DarkBlue);
        }
    }
}

void drawTower(QPainter& painter) {
    // What still stands: a stack leaning a little to the right.
    painter.save();
    painter.translate(26, FloorY);
    painter.rotate(4);
    for (int row = 1; row <= 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            if ((row == 4 && column == 3) || (row == 3 && column == 0)) {
                continue;
            }
            drawBlock(painter, QRectF(column * Side, -row * Side, Side, Side), palette::DarkBlue);
        }
    }
    painter.restore();

    // What does not: pieces tumbling off the top, ever more turned, each
    // trailing speed lines.
    struct Tumbling {
        QPointF at;
        qreal degrees;
        std::initializer_list<Cell> cells;
        QColor colour;
        QPointF direction;
    };
    const std::array<Tumbling, 5> pieces{{
        {{50, 186}, 14, {{0, 0}, {1, 0}, {2, 0}, {1, -1}}, palette::Blue, {1, 1.6}},
        {{22, 82}, -22, {{0, 0}, {1, 0}, {1, 1}, {2, 1}}, palette::DarkBlue, {0.6, 1}},
        {{140, 98}, 38, {{0, 0}, {0, 1}, {0, 2}, {1, 2}}, palette::Blue, {0.5, 1}},
        {{168, 30}, 62, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, palette::Blue, {1, 1}},
        {{214, 120}, 20, {{0, 0}}, palette::Blue, {0.7, 1}},
    }};
    for (const Tumbling& piece : pieces) {
        const QPointF centre =
            drawPiece(painter, piece.at, piece.degrees, piece.cells, piece.colour);
        // The piece still on the stack has not started to fly yet.
        if (&piece != &pieces.front()) {
            drawTrail(painter, centre, piece.direction);
        }
    }
}

QPainterPath spiral(QPointF centre, qreal radius) {
    constexpr qreal Turns = 2.25;
    QPainterPath path;
    for (int i = 0; i <= 90; ++i) {
        const qreal t = i / 90.0;
        const qreal angle = t * Turns * 2 * std::numbers::pi;
        const QPointF p(centre.x() + radius * t * std::cos(angle),
                        centre.y() + radius * t * std::sin(angle));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    return path;
}

QPainterPath star(QPointF centre, qreal outer) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : outer * 0.45;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF p(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

// The player's stand-in: a big blue block, hit on the head by the last piece.
void drawDazedBlock(QPainter& painter) {
    const QRectF body(150, FloorY - 66, 66, 66);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 60, 60));
    painter.drawEllipse(QRectF(body.left() - 4, FloorY - 5, body.width() + 8, 9));
    painter.restore();
    drawBlock(painter, body, palette::Blue);

    painter.save();
    const QColor ink(0, 0, 50);
    for (const qreal x : {body.left() + 20, body.left() + 46}) {
        const QPointF eye(x, body.top() + 28);
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye, 10, 11);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(spiral(eye, 8));
    }
    // A small wobbly mouth: the round "oh" of surprise.
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(120, 0, 30));
    painter.drawEllipse(QPointF(body.center().x(), body.top() + 51), 6, 7);
    painter.restore();

    // The block that did it, tipped on the head, and the stars.
    painter.save();
    painter.translate(body.left() + 16, body.top());
    painter.rotate(-10);
    drawBlock(painter, QRectF(0, -Side, Side, Side), palette::DarkBlue);
    painter.restore();
    painter.save();
    painter.setPen(QPen(palette::Navy, 1.2));
    painter.setBrush(palette::Gold);
    for (const auto& [x, y, size] : {std::array{140.0, 212.0, 9.0}, std::array{222.0, 206.0, 8.0},
                                     std::array{232.0, 232.0, 6.0}}) {
        painter.drawPath(star(QPointF(x, y), size));
    }
    painter.restore();
}

// "GAME" and "OVER!", each letter its own colour and a little tipped, as if
// the letters had just landed too.
void drawVerdict(QPainter& painter) {
    const QFont font = dejaVu(62);
    const QFontMetricsF metrics(font);
    constexpr std::array<QColor, 4> Colours{palette::Blue, palette::Ember, palette::Gold,
                                            QColor(230, 40, 60)};
    constexpr std::array<qreal, 5> Tilts{-6, 4, -3, 5, -4};
    int letterIndex = 0;
    for (const auto& [word, middleY] :
         {std::pair{QStringLiteral("GAME"), 66.0}, std::pair{QStringLiteral("OVER!"), 138.0}}) {
        qreal x = 364 - metrics.horizontalAdvance(word) / 2;
        for (int i = 0; i < word.size(); ++i) {
            const QString letter = word.mid(i, 1);
            const qreal advance = metrics.horizontalAdvance(letter);
            const QColor colour =
                Colours.at(static_cast<std::size_t>(letterIndex) % Colours.size());
            const qreal tilt = Tilts.at(static_cast<std::size_t>(letterIndex) % Tilts.size());
            ++letterIndex;

            painter.save();
            painter.translate(x + advance / 2, middleY);
            painter.rotate(tilt);
            const QPainterPath glyph = centredText(letter, font, 0, 0);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0, 60, 90));
            painter.drawPath(glyph.translated(4, 4));
            QLinearGradient fill(0, -metrics.capHeight() / 2, 0, metrics.capHeight() / 2);
            fill.setColorAt(0, mix(colour, Qt::white, 0.45));
            fill.setColorAt(0.55, colour);
            fill.setColorAt(1, mix(colour, Qt::black, 0.2));
            drawOutlined(painter, glyph, fill, palette::Navy, 5);
            painter.restore();
            x += advance;
        }
    }
}

// The score of the match in the style of the game's own score box.
void drawScoreboard(QPainter& painter) {
    const QRectF frame(250, 188, 228, 54);
    painter.save();
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(palette::ClockGrey);
    painter.drawRoundedRect(frame, 6, 6);
    const QRectF screen = frame.adjusted(6, 6, -6, -6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(screen, 3, 3);

    const QColor green(0, 255, 0);
    painter.setPen(green);
    painter.setFont(dejaVu(13));
    painter.drawText(QRectF(screen.left() + 8, screen.top(), 80, screen.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("GRAVITY"));
    painter.drawText(QRectF(screen.right() - 88, screen.top(), 80, screen.height()),
                     Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("YOU"));
    painter.setFont(dejaVu(26));
    painter.drawText(screen, Qt::AlignCenter, QStringLiteral("1:0"));
    painter.restore();

    painter.save();
    painter.setPen(palette::Navy);
    painter.setFont(dejaVu(15));
    painter.drawText(QRectF(240, 248, 248, 24), Qt::AlignCenter,
                     QStringLiteral("The blocks stacked up faster."));
    painter.setFont(dejaVu(11, false));
    painter.setPen(QColor(40, 50, 120));
    painter.drawText(QRectF(240, 274, 248, 18), Qt::AlignCenter,
                     QStringLiteral("Click to close, then try again"));
    painter.restore();
}

QImage gameOverImage(int scale) {
    QImage image = newCanvas(PictureSize, scale, false);
    QPainter painter(&image);
    prepare(painter, scale);
    drawSky(painter);
    drawTower(painter);
    drawFloor(painter);
    drawDazedBlock(painter);
    drawVerdict(painter);
    drawScoreboard(painter);
    return image;
}

} // namespace

void writeGameOver(Output& out) {
    out.savePng(gameOverImage(1), QStringLiteral("gameover.png"));
    out.savePng(gameOverImage(2), QStringLiteral("gameover@2x.png"));
}

} // namespace stackfall::pictures
