#include "Surface.h"

#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace stackfall {

namespace {

const QColor WindowGrey(192, 192, 192);
const QColor Navy(0, 0, 128);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor DarkGrey(64, 64, 64);
const QColor MidGrey(128, 128, 128);
const QColor DesignedCellOutline(0, 0, 255);

const QString Label1Text = QStringLiteral("Score");
const QString Label2Text = QStringLiteral("Next ");
const QString Label3Text = QStringLiteral("F3 pause");
const QString Label4Text = QStringLiteral("Level");

// A rectangle with a solid fill and an outline centred on its edge, as the
// window's shapes are drawn: a 1-px outline is the rectangle's outermost
// ring of pixels, a 3-px one reaches one pixel outside and one inside.
void drawShape(QPainter& painter, const QRect& r, const QColor& fill, const QColor& outline,
               int outlineWidth = 1) {
    painter.fillRect(r, fill);
    const int out = outlineWidth / 2;
    const int in = (outlineWidth - 1) / 2;
    const int left = r.left() - out;
    const int top = r.top() - out;
    const int right = r.right() + out;
    const int bottom = r.bottom() + out;
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    const int thick = out + in + 1;
    painter.fillRect(left, top, width, thick, outline);
    painter.fillRect(left, bottom - thick + 1, width, thick, outline);
    painter.fillRect(left, top, thick, height, outline);
    painter.fillRect(right - thick + 1, top, thick, height, outline);
}

QRect shapeBounds(const QRect& r, int outlineWidth) {
    const int out = outlineWidth / 2;
    return r.adjusted(-out, -out, out, out);
}

// A label sized to its text keeps its top left corner.
QRect sizedToText(QPoint topLeft, const QFont& font, const QString& text) {
    return {topLeft, QFontMetrics(font).size(Qt::TextSingleLine, text)};
}

void drawLabel(QPainter& painter, const QRect& r, const QFont& font, const QColor& colour,
               const QString& text, int alignment = Qt::AlignLeft) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(r, alignment | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace

Surface::Surface()
    : levelText_(QStringLiteral("Easy")), mediumBold_(designFont(12, true)),
      label1Font_(fitted(designFont(13.5, true), Label1Text, layout::Label1.width())),
      label2Font_(fitted(designFont(9.75, true), Label2Text, layout::Label2.width())),
      label3Font_(fitted(designFont(8, false), Label3Text, layout::Label3.width())),
      label4Font_(fitted(designFont(9.75, true), Label4Text, layout::Label4.width())),
      label1_(sizedToText(layout::Label1.topLeft(), label1Font_, Label1Text)),
      label2_(sizedToText(layout::Label2.topLeft(), label2Font_, Label2Text)),
      label3_(sizedToText(layout::Label3.topLeft(), label3Font_, Label3Text)),
      label4_(sizedToText(layout::Label4.topLeft(), label4Font_, Label4Text)),
      panel_(QStringLiteral("panel")), start_(QStringLiteral("start")),
      about_(QStringLiteral("about")), exit_(QStringLiteral("exit")),
      pause_(QStringLiteral("pause")) {
    // As designed, before the load step paints the ring and the outlines.
    cells_.fill({White, DesignedCellOutline});
    ring_.fill({WindowGrey, Black});
    preview_.fill({White, Black});
}

QRect Surface::setCellFill(int cell, QColor colour) {
    if (cell < 1 || cell > layout::CellCount) {
        return {};
    }
    cells_[static_cast<std::size_t>(cell - 1)].fill = colour;
    return layout::cellRect(cell);
}

QRect Surface::setCellOutline(int cell, QColor colour) {
    if (cell < 1 || cell > layout::CellCount) {
        return {};
    }
    cells_[static_cast<std::size_t>(cell - 1)].outline = colour;
    return layout::cellRect(cell);
}

QRect Surface::setBorderFill(int segment, QColor colour) {
    if (segment < 0 || segment >= layout::RingSegments) {
        return {};
    }
    ring_[static_cast<std::size_t>(segment)].fill = colour;
    return layout::ringRect(segment);
}

QRect Surface::setPreviewFill(int cell, QColor colour) {
    if (cell < 1 || cell > layout::PreviewCount) {
        return {};
    }
    preview_[static_cast<std::size_t>(cell - 1)].fill = colour;
    return layout::previewRect(cell);
}

QRect Surface::setLevelText(const QString& text) {
    if (text == levelText_) {
        return {};
    }
    levelText_ = text;
    return layout::levellbl;
}

QRect Surface::setPauseVisible(bool visible) {
    if (visible == pauseVisible_) {
        return {};
    }
    pauseVisible_ = visible;
    return layout::pauseimg;
}

void Surface::paint(QPainter& painter, const QRect& dirty) const {
    painter.fillRect(dirty, WindowGrey);
    const auto square = [&](const QRect& r, const Square& s) {
        if (r.intersects(dirty)) {
            drawShape(painter, r, s.fill, s.outline);
        }
    };
    const auto picture = [&](const Picture& p, const QRect& r) {
        if (r.intersects(dirty)) {
            p.draw(painter, r.topLeft());
        }
    };

    if (shapeBounds(layout::Shape1, 1).intersects(dirty)) {
        drawShape(painter, layout::Shape1, DarkGrey, Black);
    }
    square(layout::ringRect(0), ring_[0]);
    for (int n = 1; n <= layout::CellCount; ++n) {
        square(layout::cellRect(n), cells_[static_cast<std::size_t>(n - 1)]);
    }
    for (int i = 1; i < layout::RingSegments; ++i) {
        square(layout::ringRect(i), ring_[static_cast<std::size_t>(i)]);
    }

    picture(panel_, layout::Image1);
    picture(start_, layout::Image2);
    picture(about_, layout::Image3);
    picture(exit_, layout::Image4);
    if (pauseVisible_) {
        picture(pause_, layout::pauseimg);
    }

    if (shapeBounds(layout::Shape2, 3).intersects(dirty)) {
        drawShape(painter, layout::Shape2, MidGrey, Black, 3);
    }
    if (label1_.intersects(dirty)) {
        drawLabel(painter, label1_, label1Font_, Navy, Label1Text);
    }
    if (layout::Shape3.intersects(dirty)) {
        drawShape(painter, layout::Shape3, Navy, Black);
    }
    for (int i = 1; i <= 9; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    if (label2_.intersects(dirty)) {
        drawLabel(painter, label2_, label2Font_, Navy, Label2Text);
    }
    for (int i = 10; i <= layout::PreviewCount; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    if (shapeBounds(layout::Shape4, 2).intersects(dirty)) {
        drawShape(painter, layout::Shape4, White, Black, 2);
    }
    if (layout::levellbl.intersects(dirty)) {
        painter.save();
        painter.setClipRect(layout::levellbl, Qt::IntersectClip);
        drawLabel(painter, layout::levellbl, mediumBold_, Navy, levelText_, Qt::AlignHCenter);
        painter.restore();
    }
    if (label4_.intersects(dirty)) {
        drawLabel(painter, label4_, label4Font_, Navy, Label4Text);
    }
    if (label3_.intersects(dirty)) {
        drawLabel(painter, label3_, label3Font_, Black, Label3Text);
    }
}

} // namespace stackfall
