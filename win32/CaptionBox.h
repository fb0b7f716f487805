// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Captions.h"
#include "GdiObject.h"
#include "Scale.h"

#include <string>
#include <string_view>
#include <windows.h>

namespace stackfall {

class CaptionFaces;

// A picture box that holds one label: the score panel with the score, the
// clock panel with the clock. It takes the focus when clicked; its keys reach
// the game through the program's one key handler.
class CaptionBox {
public:
    enum class Fit {
        SizedToText, // keeps the top left corner and takes each caption's size
        Centred,     // centred; one too wide is drawn smaller, its middle kept
    };

    // Made at `at`, device pixels.
    CaptionBox(HINSTANCE instance, HWND parent, const RECT& at, Rgb background,
               const captions::Caption& caption, Fit fit, bool sunken);
    CaptionBox(const CaptionBox&) = delete;
    CaptionBox& operator=(const CaptionBox&) = delete;

    // Moves the box to `r` (logical pixels) at the screen's scale.
    void place(const Rect& r, const Scale& scale, const CaptionFaces& faces);
    void setText(std::string_view text);
    [[nodiscard]] HWND handle() const { return hwnd_; }

    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Picks the face the caption is drawn in and its place in the client
    // area, device pixels.
    void fitCaption();
    void paint(HDC dc) const;

    Rgb background_;
    captions::Caption caption_;
    Fit fit_;
    Scale scale_;
    std::wstring text_;
    GdiObject<HFONT> designFont_;
    GdiObject<HFONT> shrunkFont_; // only while the caption is too wide
    RECT label_{};
    HWND hwnd_ = nullptr;
};

} // namespace stackfall
