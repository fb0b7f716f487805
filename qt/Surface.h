// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Field.h"
#include "Picture.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <array>

class QPainter;
class QRegion;

namespace stackfall {

// The graphics drawn straight on the main window: the shapes, the images and
// the labels that are not inside a picture box, with the properties the game
// changes. Each setter returns the rectangle that now needs repainting, empty
// when nothing changed or the index names no control.
class Surface {
public:
    Surface();

    [[nodiscard]] QRect setCellFill(int cell, QColor colour);      // 1..299
    [[nodiscard]] QRect setCellOutline(int cell, QColor colour);   // 1..299
    [[nodiscard]] QRect setBorderFill(int segment, QColor colour); // 0..75
    [[nodiscard]] QRect setPreviewFill(int cell, QColor colour);   // 1..12
    [[nodiscard]] QRect setLevelText(const QString& text);
    [[nodiscard]] QRect setPauseVisible(bool visible);

    [[nodiscard]] QString levelText() const { return levelText_; }
    [[nodiscard]] bool pauseVisible() const { return pauseVisible_; }

    // Paints what lies in `dirty`, bottom of the stack first. Only what
    // touches one of its rectangles is drawn: a falling piece dirties a few
    // cells at opposite corners of a much larger bounding box.
    void paint(QPainter& painter, const QRegion& dirty) const;

private:
    struct Square {
        QColor fill;
        QColor outline;
    };
    // Sets `to` to `colour`; the rectangle `r` if that changed it.
    [[nodiscard]] static QRect change(QColor& to, QColor colour, const QRect& r);

    std::array<Square, field::CellCount> cells_;
    std::array<Square, field::BorderSegments> ring_;
    std::array<Square, field::PreviewCells> preview_;
    QString levelText_;
    bool pauseVisible_ = false;

    QFont levelFont_;        // the level name
    QFont scoreCaptionFont_; // "Score"
    QFont nextCaptionFont_;  // "Next "
    QFont pauseHintFont_;    // "F3 pause"
    QFont levelCaptionFont_; // "Level"
    QRect scoreCaption_;
    QRect nextCaption_;
    QRect pauseHint_;
    QRect levelCaption_;

    Picture panel_;
    Picture start_;
    Picture about_;
    Picture exit_;
    Picture pause_;
};

} // namespace stackfall
