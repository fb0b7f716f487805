// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surface.h"

#include "Captions.h"
#include "DrawingOrder.h"
#include "Fonts.h"
#include "Geometry.h"
#include "Picture.h"
#include "SurfaceModel.h"

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

// The drawing order's primitives with QPainter, each skipping what lies
// outside the region being repainted.
class SurfacePainter {
public:
    SurfacePainter(const Surface::Fonts& fonts, QPainter& painter, const QRegion& dirty)
        : fonts_(fonts), painter_(painter), dirty_(dirty), bounds_(dirty.boundingRect()) {}

    void shape(const shapes::Shape& s) {
        if (dirty_.intersects(toQRect(shapes::bounds(s)))) {
            drawShape(painter_, toQRect(s.rect), toQColor(s.fill), toQColor(s.outline),
                      s.outlineWidth);
        }
    }
    // Called for every square on the window, some four hundred a repaint:
    // most lie outside the region's bounds, which is the quicker test. A
    // square next to a repainted one meets the region along the outline
    // they share at most, where its fill would be clipped away whole.
    void square(const Rect& r, const shapes::Square& s) {
        const QRect q = toQRect(r);
        if (!bounds_.intersects(q) || !dirty_.intersects(q)) {
            return;
        }
        if (dirty_.intersects(q.adjusted(1, 1, -1, -1))) {
            drawShape(painter_, q, toQColor(s.fill), toQColor(s.outline));
        } else {
            painter_.fillRect(q, toQColor(s.outline));
        }
    }
    void picture(const pictures::Placed& placed) {
        const QRect r = toQRect(placed.rect);
        if (&placed == &pictures::SidePanel) {
            // The frames on the panel hide what lies under them, and most
            // repaints there (the preview's, the level name's) lie wholly
            // inside one: the panel is decoded only where some of it shows.
            static const QRegion framesOnPanel =
                QRegion(toQRect(shapes::bounds(shapes::PreviewFrame))) +
                toQRect(shapes::bounds(shapes::ScoreFrame)) +
                toQRect(shapes::bounds(shapes::LevelFrame));
            if ((dirty_.intersected(r) - framesOnPanel).isEmpty()) {
                return;
            }
        } else if (!dirty_.intersects(r)) {
            return;
        }
        Picture(toQString(placed.name)).draw(painter_, r.topLeft());
    }
    void caption(const captions::Caption& c) {
        const Surface::Label& label = fonts_.labels[drawing::fixedCaptionIndex(c)];
        if (dirty_.intersects(label.rect)) {
            drawLabel(painter_, label.rect, label.font, toQColor(c.colour), toQString(c.text));
        }
    }
    void levelText(std::string_view text) {
        const QRect r = toQRect(captions::LevelText.rect);
        if (dirty_.intersects(r)) {
            painter_.save();
            painter_.setClipRect(r, Qt::IntersectClip);
            drawLabel(painter_, r, fonts_.level, toQColor(captions::LevelText.colour),
                      toQString(text), Qt::AlignHCenter);
            painter_.restore();
        }
    }

private:
    const Surface::Fonts& fonts_;
    QPainter& painter_;
    const QRegion& dirty_;
    QRect bounds_;
};

Surface::Fonts Surface::fit(const CaptionFaces& faces) {
    Fonts fonts{{}, faces.font(captions::LevelText)};
    for (std::size_t i = 0; i < fonts.labels.size(); ++i) {
        const captions::Caption& caption = *drawing::FixedCaptions[i];
        QFont font = faces.fitted(caption);
        fonts.labels[i] = {font, sizedToText(caption, font)};
    }
    return fonts;
}

void Surface::paint(QPainter& painter, const QRegion& dirty, const SurfaceModel& model,
                    const CaptionFaces& faces) {
    if (!fonts_) {
        fonts_ = fit(faces);
    }
    painter.fillRect(dirty.boundingRect(), toQColor(palette::WindowGrey));
    SurfacePainter surfacePainter(*fonts_, painter, dirty);
    drawing::paint(model, surfacePainter);
}

} // namespace stackfall
