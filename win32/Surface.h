// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Field.h"
#include "GdiObject.h"
#include "Rect.h"
#include "Scale.h"
#include "Shapes.h"

#include <array>
#include <string>
#include <string_view>

namespace stackfall {

class PictureStore;

// The graphics drawn straight on the main window: the shapes, the pictures
// and the captions that are not inside a picture box, with the properties
// the game changes. Each setter returns the rectangle (logical pixels) that
// now needs repainting, empty when nothing changed or the index names no
// control.
class Surface {
public:
    explicit Surface(PictureStore& pictures);

    // Starts decoding the pictures of the first paint.
    void preloadPictures(const Scale& scale);

    // Makes the captions' faces for the screen's scale: first before the
    // first paint.
    void rescale(const Scale& scale);

    [[nodiscard]] Rect setCellFill(int cell, Rgb colour);      // 1..299
    [[nodiscard]] Rect setCellOutline(int cell, Rgb colour);   // 1..299
    [[nodiscard]] Rect setBorderFill(int segment, Rgb colour); // 0..75
    [[nodiscard]] Rect setPreviewFill(int cell, Rgb colour);   // 1..12
    [[nodiscard]] Rect setLevelText(std::string_view text);
    [[nodiscard]] Rect setPauseVisible(bool visible);

    // Paints what lies in `dirty` (device pixels), bottom of the stack first.
    void paint(HDC dc, HRGN dirty) const;

private:
    struct Label {
        GdiObject<HFONT> font;
        std::wstring text;
        RECT rect{}; // device pixels, sized to the text
    };
    [[nodiscard]] static Rect change(Rgb& to, Rgb colour, const Rect& r);
    void paintShape(HDC dc, const Rect& r, Rgb fill, Rgb outline, int outlineWidth) const;
    void paintLabel(HDC dc, const Label& label, Rgb colour) const;

    PictureStore& pictures_;
    Scale scale_;
    std::array<shapes::Square, field::CellCount> cells_;
    std::array<shapes::Square, field::BorderSegments> ring_;
    std::array<shapes::Square, field::PreviewCells> preview_;
    std::wstring levelText_;
    bool pauseVisible_ = false;

    GdiObject<HFONT> levelFont_;
    Label scoreCaption_;
    Label nextCaption_;
    Label pauseHint_;
    Label levelCaption_;
};

} // namespace stackfall
