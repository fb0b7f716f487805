// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingOrder.h"

#include <QFont>
#include <QRect>

#include <array>
#include <optional>

class QPainter;
class QRegion;

namespace stackfall {

class CaptionFaces;

// Draws the graphics straight on the main window, the shapes, the pictures
// and the labels that are not inside a picture box, in the shared drawing
// order, as the surface model has them.
class Surface {
public:
    // Paints what lies in `dirty`. Only what touches one of its rectangles is
    // drawn: a falling piece dirties a few cells at opposite corners of a
    // much larger bounding box. The captions' fonts come from `faces` the
    // first time.
    void paint(QPainter& painter, const QRegion& dirty, const SurfaceModel& model,
               const CaptionFaces& faces);

private:
    friend class SurfacePainter;

    // The captions that never change, in the drawing order's order, each
    // sized to its text in its face; and the level name's font.
    struct Label {
        QFont font;
        QRect rect;
    };
    struct Fonts {
        std::array<Label, drawing::FixedCaptions.size()> labels;
        QFont level;
    };
    [[nodiscard]] static Fonts fit(const CaptionFaces& faces);

    std::optional<Fonts> fonts_;
};

} // namespace stackfall
