// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Captions.h"
#include "GdiObject.h"
#include "Scale.h"

#include <bitset>
#include <string_view>

namespace stackfall {

// The sizes at which this Windows has the captions' designed face, "MS Sans
// Serif", found in one look through its fonts, which all the captions made
// at one time then share: any size of an outline face, only the sizes drawn
// for a bitmap face, which GDI would otherwise blow up.
class CaptionFaces {
public:
    CaptionFaces();

    // The face of a caption at the screen's scale: the designed one where
    // this Windows has it at that size, any sans-serif face of that size
    // otherwise.
    [[nodiscard]] LOGFONTW face(double points, bool bold, const Scale& scale) const;

private:
    bool outline_ = false;
    std::bitset<256> bitmapSizes_; // by em in pixels; no bitmap face is drawn larger
};

// Each of these, given no faces, looks through the fonts itself.

// The face of a caption at the screen's scale (see CaptionFaces).
[[nodiscard]] GdiObject<HFONT> captionFont(double points, bool bold, const Scale& scale,
                                           const CaptionFaces& faces = CaptionFaces());

// The caption's face, narrowed just enough for its designed text to take no
// more than its label's designed width, as a stand-in face may need.
[[nodiscard]] GdiObject<HFONT> fittedFont(const captions::Caption& caption, const Scale& scale,
                                          const CaptionFaces& faces = CaptionFaces());

// A caption too wide for its label, as a long score, is drawn smaller rather
// than cut: the largest size of the face at which `text` fits in `width`.
[[nodiscard]] GdiObject<HFONT> shrunkToWidth(const captions::Caption& caption,
                                             std::wstring_view text, int width, const Scale& scale,
                                             const CaptionFaces& faces = CaptionFaces());

// The extent of `text` in `font`.
[[nodiscard]] SIZE textSize(HFONT font, std::wstring_view text);

} // namespace stackfall
