#include "Surface.h"

#include "Fonts.h"
#include "Palette.h"

#include <QFontMetrics>
#include <QPainter>

namespace stackfall {

namespace {

const QString ScoreCaptionText = QStringLiteral("Score");
const QString NextCaptionText = QStringLiteral("Next ");
const QString PauseHintText = QStringLiteral("F3 pause");
const QString LevelCaptionText = QStringLiteral("Level");

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
    : levelText_(QStringLiteral("Easy")), levelFont_(designFont(12, true)),
      scoreCaptionFont_(
          fitted(designFont(13.5, true), ScoreCaptionText, layout::ScoreCaption.width())),
      nextCaptionFont_(
          fitted(designFont(9.75, true), NextCaptionText, layout::NextCaption.width())),
      pauseHintFont_(fitted(designFont(8, false), PauseHintText, layout::PauseHint.width())),
      levelCaptionFont_(
          fitted(designFont(9.75, true), LevelCaptionText, layout::LevelCaption.width())),
      scoreCaption_(
          sizedToText(layout::ScoreCaption.topLeft(), scoreCaptionFont_, ScoreCaptionText)),
      nextCaption_(sizedToText(layout::NextCaption.topLeft(), nextCaptionFont_, NextCaptionText)),
      pauseHint_(sizedToText(layout::PauseHint.topLeft(), pauseHintFont_, PauseHintText)),
      levelCaption_(
          sizedToText(layout::LevelCaption.topLeft(), levelCaptionFont_, LevelCaptionText)),
      panel_(QStringLiteral("panel")), start_(QStringLiteral("start")),
      about_(QStringLiteral("about")), exit_(QStringLiteral("exit")),
      pause_(QStringLiteral("pause")) {
    // As designed, before the load step paints the ring and the outlines.
    cells_.fill({palette::White, palette::DesignedCellOutline});
    ring_.fill({palette::WindowGrey, palette::Black});
    preview_.fill({palette::White, palette::Black});
}

QRect Surface::setCellFill(int cell, QColor colour) {
    if (cell < 1 || cell > field::CellCount) {
        return {};
    }
    cells_[static_cast<std::size_t>(cell - 1)].fill = colour;
    return layout::cellRect(cell);
}

QRect Surface::setCellOutline(int cell, QColor colour) {
    if (cell < 1 || cell > field::CellCount) {
        return {};
    }
    cells_[static_cast<std::size_t>(cell - 1)].outline = colour;
    return layout::cellRect(cell);
}

QRect Surface::setBorderFill(int segment, QColor colour) {
    if (segment < 0 || segment >= field::BorderSegments) {
        return {};
    }
    ring_[static_cast<std::size_t>(segment)].fill = colour;
    return layout::ringRect(segment);
}

QRect Surface::setPreviewFill(int cell, QColor colour) {
    if (cell < 1 || cell > field::PreviewCells) {
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
    return layout::LevelText;
}

QRect Surface::setPauseVisible(bool visible) {
    if (visible == pauseVisible_) {
        return {};
    }
    pauseVisible_ = visible;
    return layout::PauseBanner;
}

void Surface::paint(QPainter& painter, const QRect& dirty) const {
    painter.fillRect(dirty, palette::WindowGrey);
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

    if (shapeBounds(layout::FieldShadow, 1).intersects(dirty)) {
        drawShape(painter, layout::FieldShadow, palette::DarkGrey, palette::Black);
    }
    square(layout::ringRect(0), ring_[0]);
    for (int n = 1; n <= field::CellCount; ++n) {
        square(layout::cellRect(n), cells_[static_cast<std::size_t>(n - 1)]);
    }
    for (int i = 1; i < field::BorderSegments; ++i) {
        square(layout::ringRect(i), ring_[static_cast<std::size_t>(i)]);
    }

    picture(panel_, layout::SidePanel);
    picture(start_, layout::StartButton);
    picture(about_, layout::AboutButton);
    picture(exit_, layout::ExitButton);
    if (pauseVisible_) {
        picture(pause_, layout::PauseBanner);
    }

    if (shapeBounds(layout::ScoreFrame, 3).intersects(dirty)) {
        drawShape(painter, layout::ScoreFrame, palette::MidGrey, palette::Black, 3);
    }
    if (scoreCaption_.intersects(dirty)) {
        drawLabel(painter, scoreCaption_, scoreCaptionFont_, palette::Navy, ScoreCaptionText);
    }
    if (layout::PreviewFrame.intersects(dirty)) {
        drawShape(painter, layout::PreviewFrame, palette::Navy, palette::Black);
    }
    for (int i = 1; i <= 9; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    if (nextCaption_.intersects(dirty)) {
        drawLabel(painter, nextCaption_, nextCaptionFont_, palette::Navy, NextCaptionText);
    }
    for (int i = 10; i <= field::PreviewCells; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    if (shapeBounds(layout::LevelFrame, 2).intersects(dirty)) {
        drawShape(painter, layout::LevelFrame, palette::White, palette::Black, 2);
    }
    if (layout::LevelText.intersects(dirty)) {
        painter.save();
        painter.setClipRect(layout::LevelText, Qt::IntersectClip);
        drawLabel(painter, layout::LevelText, levelFont_, palette::Navy, levelText_,
                  Qt::AlignHCenter);
        painter.restore();
    }
    if (levelCaption_.intersects(dirty)) {
        drawLabel(painter, levelCaption_, levelCaptionFont_, palette::Navy, LevelCaptionText);
    }
    if (pauseHint_.intersects(dirty)) {
        drawLabel(painter, pauseHint_, pauseHintFont_, palette::Black, PauseHintText);
    }
}

} // namespace stackfall
