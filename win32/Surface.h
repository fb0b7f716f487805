// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingOrder.h"
#include "GdiObject.h"
#include "Scale.h"

#include <array>
#include <string>

namespace stackfall {

class CaptionFaces;
class PictureStore;

// Draws the graphics straight on the main window, the shapes, the pictures
// and the captions that are not inside a picture box, in the shared drawing
// order, as the surface model has them.
class Surface {
public:
    explicit Surface(PictureStore& pictures) : pictures_(pictures) {}

    // Starts decoding the pictures of the first paint.
    void preloadPictures(const Scale& scale);

    // Makes the captions' faces for the window's scale: first before the
    // first paint.
    void rescale(const Scale& scale, const CaptionFaces& faces);

    // Paints the update region of `window`: through a buffer, so that
    // nothing flickers, once the window has shown something; straight on
    // the window before that, when nothing of it can flicker, which saves
    // the first paint a copy of the whole window.
    void paintUpdate(HWND window, const SurfaceModel& model, bool buffered) const;
    // Paints what lies in `dirty` (device pixels).
    void paint(HDC dc, HRGN dirty, const SurfaceModel& model) const;

private:
    friend class SurfacePainter;

    // A caption that never changes, sized to its text in its face.
    struct Label {
        GdiObject<HFONT> font;
        std::wstring text;
        RECT rect{}; // device pixels
    };

    PictureStore& pictures_;
    Scale scale_;
    std::array<Label, drawing::FixedCaptions.size()> labels_;
    GdiObject<HFONT> levelFont_;
};

} // namespace stackfall
