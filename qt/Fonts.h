// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Captions.h"

#include <QFont>
#include <QString>

namespace stackfall {

// The face of `caption`, in pixels so that the layout, which is in pixels,
// holds on any screen. Its face is asked for first; any sans-serif face
// stands in for it.
[[nodiscard]] QFont captionFont(const captions::Caption& caption);

// The stand-in face runs wider than the one the window was designed with.
// Narrows `font` just enough for `caption` to take no more than the
// `designWidth` its label had, so the side panel keeps its arrangement. The
// caption is measured in `measuring`, of the same face and weight as `font`
// at any size, and scaled to `font`'s.
[[nodiscard]] QFont fitted(QFont font, const QFont& measuring, const QString& caption,
                           int designWidth);

// The captions' face as this machine has it, resolved once. Asked for by
// the name the window was designed with, which most machines lack, every
// caption would look that name up and sort the stand-ins afresh; asked for
// by the face found, it goes straight to it.
class CaptionFaces {
public:
    CaptionFaces();

    // As captionFont(), in the face found.
    [[nodiscard]] QFont font(const captions::Caption& caption) const;
    // The face of a caption that never changes, fitted to its designed width.
    [[nodiscard]] QFont fitted(const captions::Caption& caption) const;

private:
    QString family_;
    QFont measuringBold_;
    QFont measuringRegular_;
};

// A caption that outgrows its label, as the score does past three digits,
// is drawn smaller rather than cut: `font` at the largest pixel size at which
// `text` is no wider than `width`. `font` itself when the text fits in it.
[[nodiscard]] QFont shrunkToWidth(QFont font, const QString& text, int width);

} // namespace stackfall
