// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingOrder.h"

#include <QFont>
#include <QRect>

#include <array>

class QPainter;
class QRegion;

namespace stackfall {

class CaptionFaces;

// Draws the graphics straight on the main window, the shapes, the pictures
// and the labels that are not inside a picture box, in the shared drawing
// order, as the surface model has them.
class Surface {
public:
    explicit Surface(const CaptionFaces& faces);

    // Paints what lies in `dirty`. Only what touches one of its rectangles is
    // drawn: a falling piece dirties a few cells at opposite corners of a
    // much larger bounding box.
    void paint(QPainter& painter, const QRegion& dirty, const SurfaceModel& model) const;

private:
    friend class SurfacePainter;

    // The captions that never change, in the drawing order's order, each
    // sized to its text in its face.
    struct Label {
        QFont font;
        QRect rect;
    };
    std::array<Label, drawing::FixedCaptions.size()> labels_;
    QFont levelFont_; // the level name
};

} // namespace stackfall
