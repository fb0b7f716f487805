// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surface.h"

#include "Fonts.h"
#include "Palette.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

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
    const int out = outlineWidth / 2;
    const int in = (outlineWidth - 1) / 2;
    const int thick = out + in + 1;
    // The outline's colour under the whole shape and the fill inside its
    // ring: two fills, where a fill and four edges would paint the same.
    const QRect outer = r.adjusted(-out, -out, out, out);
    painter.fillRect(outer, outline);
    painter.fillRect(outer.adjusted(thick, thick, -thick, -thick), fill);
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

QRect Surface::change(QColor& to, QColor colour, const QRect& r) {
    if (to == colour) {
        return {};
    }
    to = colour;
    return r;
}

QRect Surface::setCellFill(int cell, QColor colour) {
    if (cell < 1 || cell > field::CellCount) {
        return {};
    }
    return change(cells_[static_cast<std::size_t>(cell - 1)].fill, colour, layout::cellRect(cell));
}

QRect Surface::setCellOutline(int cell, QColor colour) {
    if (cell < 1 || cell > field::CellCount) {
        return {};
    }
    return change(cells_[static_cast<std::size_t>(cell - 1)].outline, colour,
                  layout::cellRect(cell));
}

QRect Surface::setBorderFill(int segment, QColor colour) {
    if (segment < 0 || segment >= field::BorderSegments) {
        return {};
    }
    return change(ring_[static_cast<std::size_t>(segment)].fill, colour, layout::ringRect(segment));
}

QRect Surface::setPreviewFill(int cell, QColor colour) {
    if (cell < 1 || cell > field::PreviewCells) {
        return {};
    }
    return change(preview_[static_cast<std::size_t>(cell - 1)].fill, colour,
                  layout::previewRect(cell));
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

void Surface::paint(QPainter& painter, const QRegion& dirty) const {
    painter.fillRect(dirty.boundingRect(), palette::WindowGrey);
    const auto square = [&](const QRect& r, const Square& s) {
        if (dirty.intersects(r)) {
            drawShape(painter, r, s.fill, s.outline);
        }
    };
    const auto picture = [&](const Picture& p, const QRect& r) {
        if (dirty.intersects(r)) {
            p.draw(painter, r.topLeft());
        }
    };

    if (dirty.intersects(shapeBounds(layout::FieldShadow, 1))) {
        drawShape(painter, layout::FieldShadow, palette::DarkGrey, palette::Black);
    }
    square(layout::ringRect(0), ring_[0]);
    for (int n = 1; n <= field::CellCount; ++n) {
        square(layout::cellRect(n), cells_[static_cast<std::size_t>(n - 1)]);
    }
    for (int i = 1; i < field::BorderSegments; ++i) {
        square(layout::ringRect(i), ring_[static_cast<std::size_t>(i)]);
    }

    // The frames on the panel hide what lies under them, and most repaints
    // there (the preview's, the level name's) lie wholly inside one: the
    // panel is decoded only where some of it shows.
    static const QRegion framesOnPanel = QRegion(shapeBounds(layout::PreviewFrame, 1)) +
                                         shapeBounds(layout::ScoreFrame, 3) +
                                         shapeBounds(layout::LevelFrame, 2);
    if (!(dirty.intersected(layout::SidePanel) - framesOnPanel).isEmpty()) {
        panel_.draw(painter, layout::SidePanel.topLeft());
    }
    picture(start_, layout::StartButton);
    picture(about_, layout::AboutButton);
    picture(exit_, layout::ExitButton);
    if (pauseVisible_) {
        picture(pause_, layout::PauseBanner);
    }

    if (dirty.intersects(shapeBounds(layout::ScoreFrame, 3))) {
        drawShape(painter, layout::ScoreFrame, palette::MidGrey, palette::Black, 3);
    }
    if (dirty.intersects(scoreCaption_)) {
        drawLabel(painter, scoreCaption_, scoreCaptionFont_, palette::Navy, ScoreCaptionText);
    }
    if (dirty.intersects(layout::PreviewFrame)) {
        drawShape(painter, layout::PreviewFrame, palette::Navy, palette::Black);
    }
    for (int i = 1; i <= 9; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    if (dirty.intersects(nextCaption_)) {
        drawLabel(painter, nextCaption_, nextCaptionFont_, palette::Navy, NextCaptionText);
    }
    for (int i = 10; i <= field::PreviewCells; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    if (dirty.intersects(shapeBounds(layout::LevelFrame, 2))) {
        drawShape(painter, layout::LevelFrame, palette::White, palette::Black, 2);
    }
    if (dirty.intersects(layout::LevelText)) {
        painter.save();
        painter.setClipRect(layout::LevelText, Qt::IntersectClip);
        drawLabel(painter, layout::LevelText, levelFont_, palette::Navy, levelText_,
                  Qt::AlignHCenter);
        painter.restore();
    }
    if (dirty.intersects(levelCaption_)) {
        drawLabel(painter, levelCaption_, levelCaptionFont_, palette::Navy, LevelCaptionText);
    }
    if (dirty.intersects(pauseHint_)) {
        drawLabel(painter, pauseHint_, pauseHintFont_, palette::Black, PauseHintText);
    }
}

} // namespace stackfall
