// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surface.h"

#include "Captions.h"
#include "Fonts.h"
#include "Geometry.h"
#include "Pictures.h"
#include "Shapes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

namespace stackfall {

namespace {

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

void drawShape(QPainter& painter, const shapes::Shape& s) {
    drawShape(painter, toQRect(s.rect), toQColor(s.fill), toQColor(s.outline), s.outlineWidth);
}

// A label sized to its text keeps its top left corner.
QRect sizedToText(const captions::Caption& caption, const QFont& font) {
    return {QPoint(caption.rect.x, caption.rect.y),
            QFontMetrics(font).size(Qt::TextSingleLine, toQString(caption.text))};
}

void drawLabel(QPainter& painter, const QRect& r, const QFont& font, const QColor& colour,
               const QString& text, int alignment = Qt::AlignLeft) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(r, alignment | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace

Surface::Surface()
    : levelText_(toQString(captions::LevelText.text)), levelFont_(captionFont(captions::LevelText)),
      scoreCaptionFont_(fittedCaptionFont(captions::ScoreCaption)),
      nextCaptionFont_(fittedCaptionFont(captions::NextCaption)),
      pauseHintFont_(fittedCaptionFont(captions::PauseHint)),
      levelCaptionFont_(fittedCaptionFont(captions::LevelCaption)),
      scoreCaption_(sizedToText(captions::ScoreCaption, scoreCaptionFont_)),
      nextCaption_(sizedToText(captions::NextCaption, nextCaptionFont_)),
      pauseHint_(sizedToText(captions::PauseHint, pauseHintFont_)),
      levelCaption_(sizedToText(captions::LevelCaption, levelCaptionFont_)),
      panel_(toQString(pictures::SidePanel.name)), start_(toQString(pictures::StartButton.name)),
      about_(toQString(pictures::AboutButton.name)), exit_(toQString(pictures::ExitButton.name)),
      pause_(toQString(pictures::PauseBanner.name)) {
    const auto square = [](shapes::Square s) {
        return Square{toQColor(s.fill), toQColor(s.outline)};
    };
    cells_.fill(square(shapes::CellAtOpen));
    ring_.fill(square(shapes::RingAtOpen));
    preview_.fill(square(shapes::PreviewAtOpen));
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
    return change(cells_[static_cast<std::size_t>(cell - 1)].fill, colour,
                  toQRect(layout::cellRect(cell)));
}

QRect Surface::setCellOutline(int cell, QColor colour) {
    if (cell < 1 || cell > field::CellCount) {
        return {};
    }
    return change(cells_[static_cast<std::size_t>(cell - 1)].outline, colour,
                  toQRect(layout::cellRect(cell)));
}

QRect Surface::setBorderFill(int segment, QColor colour) {
    if (segment < 0 || segment >= field::BorderSegments) {
        return {};
    }
    return change(ring_[static_cast<std::size_t>(segment)].fill, colour,
                  toQRect(layout::ringRect(segment)));
}

QRect Surface::setPreviewFill(int cell, QColor colour) {
    if (cell < 1 || cell > field::PreviewCells) {
        return {};
    }
    return change(preview_[static_cast<std::size_t>(cell - 1)].fill, colour,
                  toQRect(layout::previewRect(cell)));
}

QRect Surface::setLevelText(const QString& text) {
    if (text == levelText_) {
        return {};
    }
    levelText_ = text;
    return toQRect(layout::LevelText);
}

QRect Surface::setPauseVisible(bool visible) {
    if (visible == pauseVisible_) {
        return {};
    }
    pauseVisible_ = visible;
    return toQRect(layout::PauseBanner);
}

void Surface::paint(QPainter& painter, const QRegion& dirty) const {
    painter.fillRect(dirty.boundingRect(), toQColor(palette::WindowGrey));
    const auto square = [&](const QRect& r, const Square& s) {
        if (dirty.intersects(r)) {
            drawShape(painter, r, s.fill, s.outline);
        }
    };
    const auto picture = [&](const Picture& p, const pictures::Placed& placed) {
        const QRect r = toQRect(placed.rect);
        if (dirty.intersects(r)) {
            p.draw(painter, r.topLeft());
        }
    };

    const auto shape = [&](const shapes::Shape& s) {
        if (dirty.intersects(toQRect(shapes::bounds(s)))) {
            drawShape(painter, s);
        }
    };
    const auto caption = [&](const captions::Caption& c, const QRect& r, const QFont& font) {
        if (dirty.intersects(r)) {
            drawLabel(painter, r, font, toQColor(c.colour), toQString(c.text));
        }
    };

    shape(shapes::FieldShadow);
    square(toQRect(layout::ringRect(0)), ring_[0]);
    for (int n = 1; n <= field::CellCount; ++n) {
        square(toQRect(layout::cellRect(n)), cells_[static_cast<std::size_t>(n - 1)]);
    }
    for (int i = 1; i < field::BorderSegments; ++i) {
        square(toQRect(layout::ringRect(i)), ring_[static_cast<std::size_t>(i)]);
    }

    // The frames on the panel hide what lies under them, and most repaints
    // there (the preview's, the level name's) lie wholly inside one: the
    // panel is decoded only where some of it shows.
    static const QRegion framesOnPanel = QRegion(toQRect(shapes::bounds(shapes::PreviewFrame))) +
                                         toQRect(shapes::bounds(shapes::ScoreFrame)) +
                                         toQRect(shapes::bounds(shapes::LevelFrame));
    const QRect panel = toQRect(pictures::SidePanel.rect);
    if (!(dirty.intersected(panel) - framesOnPanel).isEmpty()) {
        panel_.draw(painter, panel.topLeft());
    }
    picture(start_, pictures::StartButton);
    picture(about_, pictures::AboutButton);
    picture(exit_, pictures::ExitButton);
    if (pauseVisible_) {
        picture(pause_, pictures::PauseBanner);
    }

    shape(shapes::ScoreFrame);
    caption(captions::ScoreCaption, scoreCaption_, scoreCaptionFont_);
    shape(shapes::PreviewFrame);
    for (int i = 1; i <= 9; ++i) {
        square(toQRect(layout::previewRect(i)), preview_[static_cast<std::size_t>(i - 1)]);
    }
    caption(captions::NextCaption, nextCaption_, nextCaptionFont_);
    for (int i = 10; i <= field::PreviewCells; ++i) {
        square(toQRect(layout::previewRect(i)), preview_[static_cast<std::size_t>(i - 1)]);
    }
    shape(shapes::LevelFrame);
    const QRect levelText = toQRect(captions::LevelText.rect);
    if (dirty.intersects(levelText)) {
        painter.save();
        painter.setClipRect(levelText, Qt::IntersectClip);
        drawLabel(painter, levelText, levelFont_, toQColor(captions::LevelText.colour), levelText_,
                  Qt::AlignHCenter);
        painter.restore();
    }
    caption(captions::LevelCaption, levelCaption_, levelCaptionFont_);
    caption(captions::PauseHint, pauseHint_, pauseHintFont_);
}

} // namespace stackfall
