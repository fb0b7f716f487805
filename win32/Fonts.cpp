// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include "Text.h"

#include <algorithm>
#include <cwchar>

namespace stackfall {

namespace {

// "MS Sans Serif" is a bitmap face with a few sizes. Where it lacks the size,
// "Microsoft Sans Serif" stands in: the same design in outlines, on every
// Windows since 2000. Where that is missing too, as under wine, the face GDI
// finds in its place is taken, not one picked here by name: wine's own
// Tahoma, for one, has a bold face drawn no heavier than its regular one.
constexpr wchar_t StandInFace[] = L"Microsoft Sans Serif";

LOGFONTW logFont(const wchar_t* face, int pixels, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -pixels; // the em, not the cell
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

} // namespace

CaptionFaces::CaptionFaces() {
    LOGFONTW family{};
    family.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(family.lfFaceName, wide(captions::FaceName).c_str(), LF_FACESIZE - 1);
    const MeasuringDc dc;
    EnumFontFamiliesExW(
        dc.get(), &family,
        [](const LOGFONTW*, const TEXTMETRICW* metrics, DWORD type, LPARAM data) -> int {
            auto* self = reinterpret_cast<CaptionFaces*>(data);
            if ((type & RASTER_FONTTYPE) == 0) {
                self->outline_ = true;
                return 0; // every size
            }
            const auto em =
                static_cast<std::size_t>(metrics->tmHeight - metrics->tmInternalLeading);
            if (em < self->bitmapSizes_.size()) {
                self->bitmapSizes_.set(em);
            }
            return 1;
        },
        reinterpret_cast<LPARAM>(this), 0);
}

LOGFONTW CaptionFaces::face(double points, bool bold, const Scale& scale) const {
    const int pixels = scale.px(captions::pixelSize(points));
    const auto em = static_cast<std::size_t>(pixels);
    const bool designed = outline_ || (em < bitmapSizes_.size() && bitmapSizes_.test(em));
    return designed ? logFont(wide(captions::FaceName).c_str(), pixels, bold)
                    : logFont(StandInFace, pixels, bold);
}

SIZE textSize(HFONT font, std::wstring_view text) {
    const MeasuringDc dc;
    const Selected selected(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

GdiObject<HFONT> captionFont(double points, bool bold, const Scale& scale,
                             const CaptionFaces& faces) {
    const LOGFONTW font = faces.face(points, bold, scale);
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

GdiObject<HFONT> fittedFont(const captions::Caption& caption, const Scale& scale,
                            const CaptionFaces& faces) {
    LOGFONTW font = faces.face(caption.points, caption.bold, scale);
    GdiObject<HFONT> made(CreateFontIndirectW(&font));
    const std::wstring text = wide(caption.text);
    const int designWidth = scale.px(caption.rect.width);
    const int width = textSize(made.get(), text).cx;
    if (width <= designWidth || width <= 0) {
        return made;
    }
    // Narrower glyphs through the average character width.
    TEXTMETRICW metrics{};
    {
        const MeasuringDc dc;
        const Selected selected(dc.get(), made.get());
        GetTextMetricsW(dc.get(), &metrics);
    }
    const int narrowest =
        std::max(1, static_cast<int>(metrics.tmAveCharWidth) * captions::NarrowestPercent / 100);
    for (int average = metrics.tmAveCharWidth * designWidth / width; average >= narrowest;
         --average) {
        font.lfWidth = average;
        made.reset(CreateFontIndirectW(&font));
        if (textSize(made.get(), text).cx <= designWidth) {
            break;
        }
    }
    return made;
}

GdiObject<HFONT> shrunkToWidth(const captions::Caption& caption, std::wstring_view text, int width,
                               const Scale& scale, const CaptionFaces& faces) {
    LOGFONTW font = faces.face(caption.points, caption.bold, scale);
    GdiObject<HFONT> made(CreateFontIndirectW(&font));
    while (-font.lfHeight > 1 && textSize(made.get(), text).cx > width) {
        ++font.lfHeight; // one pixel smaller
        made.reset(CreateFontIndirectW(&font));
    }
    return made;
}

} // namespace stackfall
