// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Captions.h"
#include "GdiObject.h"
#include "Scale.h"

#include <string_view>

namespace stackfall {

// The face of a caption at the screen's scale: "MS Sans Serif" where this
// Windows has it at that size, any sans-serif face of that size otherwise.
[[nodiscard]] GdiObject<HFONT> captionFont(double points, bool bold, const Scale& scale);

// The caption's face, narrowed just enough for its designed text to take no
// more than its label's designed width, as a stand-in face may need.
[[nodiscard]] GdiObject<HFONT> fittedFont(const captions::Caption& caption, const Scale& scale);

// A caption too wide for its label, as a long score, is drawn smaller rather
// than cut: the largest size of the face at which `text` fits in `width`.
[[nodiscard]] GdiObject<HFONT> shrunkToWidth(const captions::Caption& caption,
                                             std::wstring_view text, int width, const Scale& scale);

// The extent of `text` in `font`.
[[nodiscard]] SIZE textSize(HFONT font, std::wstring_view text);

} // namespace stackfall
