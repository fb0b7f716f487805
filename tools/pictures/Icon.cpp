// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon: a T piece falling towards a stack that it is about to
// complete, on a light rounded tile. The same design is drawn at every size,
// snapped to whole pixels, and written once more as SVG.

#include "Icon.h"

#include "IconFiles.h"
#include "Output.h"
#include "Paint.h"
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <stdexcept>
#include <vector>

namespace stackfall::pictures {

namespace {

// On a 4 by 4 grid: the T above, the stack below, and between them the
// faint ghost of where the T will land. Dropped, it fills the gaps and both
// bottom rows clear.
struct IconBlock {
    int column;
    int row;
    bool falling;
};
constexpr std::array<IconBlock, 4> Ghost{{{0, 2, true}, {1, 2, true}, {2, 2, true}, {1, 3, true}}};
constexpr QColor GhostFill(0, 0, 255, 40);
constexpr QColor GhostLine(0, 0, 255, 110);
constexpr std::array<IconBlock, 8> Blocks{{{0, 0, true},
                                           {1, 0, true},
                                           {2, 0, true},
                                           {1, 1, true},
                                           {3, 2, false},
                                           {0, 3, false},
                                           {2, 3, false},
                                           {3, 3, false}}};

constexpr QColor TileTop = palette::Ice;
constexpr QColor TileBottom(168, 182, 232);

// Geometry of the icon at `size` pixels. Every size used is a multiple of 16,
// so the grid lands on whole pixels.
struct IconGeometry {
    explicit IconGeometry(int size)
        : line(size >= 64 ? size / 32.0 : 1.0), tile(line / 2, line / 2, size - line, size - line),
          radius(size * 0.19), margin(size / 8), block(size * 3 / 16) {}

    qreal line;
    QRectF tile;
    qreal radius;
    int margin;
    int block;

    [[nodiscard]] QRectF blockRect(const IconBlock& b) const {
        return QRectF(margin + b.column * block, margin + b.row * block, block, block);
    }
};

QColor blockColour(const IconBlock& b) {
    return b.falling ? palette::Blue : palette::DarkBlue;
}

} // namespace

QImage iconImage(int size) {
    QImage image = newCanvas(QSize(size, size), 1, true);
    QPainter painter(&image);
    prepare(painter, 1);
    const IconGeometry g(size);

    QLinearGradient tile(0, 0, 0, size);
    tile.setColorAt(0, TileTop);
    tile.setColorAt(1, TileBottom);
    painter.setPen(QPen(palette::Navy, g.line));
    painter.setBrush(tile);
    painter.drawRoundedRect(g.tile, g.radius, g.radius);

    // The ghost needs room for its outline to read as a shape.
    if (g.block >= 9) {
        painter.setPen(QPen(GhostLine, outlineWidth(g.block)));
        painter.setBrush(GhostFill);
        for (const IconBlock& b : Ghost) {
            const qreal inset = outlineWidth(g.block) / 2;
            painter.drawRect(g.blockRect(b).adjusted(inset, inset, -inset, -inset));
        }
    }
    for (const IconBlock& b : Blocks) {
        // Below six pixels a bevel is only noise: the blocks merge into the
        // silhouettes of the piece and the stack.
        if (g.block < 6) {
            painter.fillRect(g.blockRect(b), blockColour(b));
        } else {
            drawBlock(painter, g.blockRect(b), blockColour(b));
        }
    }
    return image;
}

namespace {

QString number(qreal value) {
    return QString::number(value, 'g', 6);
}

QString points(std::initializer_list<QPointF> corners) {
    QStringList list;
    for (const QPointF& p : corners) {
        list << number(p.x()) + QLatin1Char(',') + number(p.y());
    }
    return list.join(QLatin1Char(' '));
}

} // namespace

// The 256-pixel design, shape for shape what iconImage draws.
QByteArray iconSvg() {
    constexpr int Size = 256;
    const IconGeometry g(Size);
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
               .arg(Size);
    svg += QStringLiteral("  <title>Stackfall</title>\n  <defs>\n");
    svg += QStringLiteral("    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                          "<stop offset=\"0\" stop-color=\"%1\"/>"
                          "<stop offset=\"1\" stop-color=\"%2\"/></linearGradient>\n")
               .arg(TileTop.name(), TileBottom.name());
    for (const bool falling : {true, false}) {
        const BlockShades s = blockShades(falling ? palette::Blue : palette::DarkBlue);
        svg += QStringLiteral("    <linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
                              "<stop offset=\"0\" stop-color=\"%2\"/>"
                              "<stop offset=\"1\" stop-color=\"%3\"/></linearGradient>\n")
                   .arg(falling ? QStringLiteral("falling") : QStringLiteral("settled"),
                        s.faceLight.name(), s.faceDark.name());
    }
    svg += QStringLiteral("  </defs>\n");
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" "
                          "fill=\"url(#tile)\" stroke=\"%4\" stroke-width=\"%5\"/>\n")
               .arg(number(g.tile.x()), number(g.tile.width()), number(g.radius),
                    palette::Navy.name(), number(g.line));

    for (const IconBlock& b : Ghost) {
        const qreal line = outlineWidth(g.block);
        const QRectF r = g.blockRect(b).adjusted(line / 2, line / 2, -line / 2, -line / 2);
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\" "
                              "fill-opacity=\"%5\" stroke=\"%4\" stroke-opacity=\"%6\" "
                              "stroke-width=\"%7\"/>\n")
                   .arg(number(r.x()), number(r.y()), number(r.width()), GhostFill.name(),
                        number(GhostFill.alphaF()), number(GhostLine.alphaF()), number(line));
    }
    for (const IconBlock& b : Blocks) {
        const QRectF r = g.blockRect(b);
        const BlockShades s = blockShades(blockColour(b));
        const qreal bevel = bevelWidth(r.width());
        const qreal line = outlineWidth(r.width());
        const QRectF in = r.adjusted(bevel, bevel, -bevel, -bevel);
        const auto polygon = [&](std::initializer_list<QPointF> corners, QColor colour) {
            svg += QStringLiteral("    <polygon points=\"%1\" fill=\"%2\"/>\n")
                       .arg(points(corners), colour.name());
        };
        svg += QStringLiteral("  <g>\n    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" "
                              "fill=\"url(#%4)\"/>\n")
                   .arg(number(r.x()), number(r.y()), number(r.width()),
                        b.falling ? QStringLiteral("falling") : QStringLiteral("settled"));
        polygon({r.topLeft(), r.topRight(), in.topRight(), in.topLeft()}, s.top);
        polygon({r.topLeft(), in.topLeft(), in.bottomLeft(), r.bottomLeft()}, s.left);
        polygon({r.bottomLeft(), in.bottomLeft(), in.bottomRight(), r.bottomRight()}, s.bottom);
        polygon({r.topRight(), r.bottomRight(), in.bottomRight(), in.topRight()}, s.right);
        svg +=
            QStringLiteral("    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"none\" "
                           "stroke=\"%4\" stroke-width=\"%5\"/>\n  </g>\n")
                .arg(number(r.x() + line / 2), number(r.y() + line / 2), number(r.width() - line),
                     s.outline.name(), number(line));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

namespace {

constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};

// 32 pixels is the window icon; the others are for the desktop.
QString iconFileName(int size) {
    return size == 32 ? QStringLiteral("icon.png") : QStringLiteral("icon-%1.png").arg(size);
}

void writeContainers(Output& out, const std::vector<IconEntry>& all) {
    const auto pick = [&all](std::initializer_list<int> sizes) {
        std::vector<IconEntry> chosen;
        for (const int size : sizes) {
            for (const IconEntry& entry : all) {
                if (entry.size == size) {
                    chosen.push_back(entry);
                }
            }
        }
        return chosen;
    };
    out.saveBytes(icoContainer(pick({16, 32, 48, 256})), QStringLiteral("stackfall.ico"));
    out.saveBytes(icnsContainer(pick({16, 32, 64, 128, 256})), QStringLiteral("stackfall.icns"));
}

} // namespace

void writeIcons(Output& out) {
    std::vector<IconEntry> all;
    for (const int size : IconSizes) {
        all.push_back({size, pngBytes(iconImage(size))});
        out.saveBytes(all.back().png, iconFileName(size));
    }
    writeContainers(out, all);
    out.saveBytes(iconSvg(), QStringLiteral("icon.svg"));
}

void writeIconContainers(Output& out, const QDir& dir) {
    std::vector<IconEntry> all;
    for (const int size : IconSizes) {
        QFile file(dir.filePath(iconFileName(size)));
        if (!file.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("cannot read " + file.fileName().toStdString());
        }
        all.push_back({size, file.readAll()});
    }
    writeContainers(out, all);
}

} // namespace stackfall::pictures
