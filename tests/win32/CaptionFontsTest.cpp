// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the Windows program picks for its captions, as they draw on this
// system: a bold caption must draw heavier than the same face at regular
// weight, whichever face stands in for "MS Sans Serif".
#include "Fonts.h"
#include "Palette.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace stackfall {
namespace {

// The ink of `text` drawn black on white in `font`: the sum over the pixels
// of how dark each is.
long long inkOf(HFONT font, const std::wstring& text) {
    const SIZE size = textSize(font, text);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx + 4;
    info.bmiHeader.biHeight = -(size.cy + 4);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    const GdiObject<HBITMAP> bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    long long ink = 0;
    {
        const Selected selectedBitmap(dc, bitmap.get());
        const RECT all{0, 0, size.cx + 4, size.cy + 4};
        fill(dc, all, palette::White);
        const Selected selectedFont(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutW(dc, 2, 2, text.c_str(), static_cast<int>(text.size()));
        GdiFlush();
        const auto* pixels = static_cast<const BYTE*>(bits);
        for (LONG i = 0; i < all.right * all.bottom; ++i) {
            ink += 255 - pixels[4 * i + 1]; // green
        }
    }
    DeleteDC(dc);
    return ink;
}

// The same font at regular weight.
GdiObject<HFONT> regularOf(HFONT font) {
    LOGFONTW described{};
    GetObjectW(font, sizeof described, &described);
    described.lfWeight = FW_NORMAL;
    return GdiObject<HFONT>(CreateFontIndirectW(&described));
}

TEST(CaptionFontsTest, BoldCaptionsDrawHeavierThanTheirFaceAtRegularWeight) {
    constexpr std::array<const captions::Caption*, 6> Bold{
        &captions::ScoreCaption, &captions::NextCaption, &captions::LevelCaption,
        &captions::LevelText,    &captions::ScoreText,   &captions::ClockText};
    // At these sizes a bold face, drawn or emboldened by GDI, has at least 30 %
    // more ink than its regular weight, narrowed to fit or not; wine's own
    // Tahoma Bold has exactly as much.
    constexpr double AtLeast = 1.2;
    for (const int dpi : {96, 144, 192}) {
        const Scale scale{dpi};
        for (const captions::Caption* caption : Bold) {
            const std::wstring text = wide(caption->text);
            for (const auto& font :
                 {captionFont(caption->points, true, scale), fittedFont(*caption, scale)}) {
                std::array<wchar_t, LF_FACESIZE> face{};
                HDC screen = GetDC(nullptr);
                {
                    const Selected selected(screen, font.get());
                    GetTextFaceW(screen, static_cast<int>(face.size()), face.data());
                }
                ReleaseDC(nullptr, screen);
                SCOPED_TRACE(testing::Message() << "\"" << caption->text << "\" at " << dpi
                                                << " dpi in " << face.data());
                const long long bold = inkOf(font.get(), text);
                const long long regular = inkOf(regularOf(font.get()).get(), text);
                ASSERT_GT(regular, 0);
                EXPECT_GE(static_cast<double>(bold) / static_cast<double>(regular), AtLeast)
                    << bold << " against " << regular;
            }
        }
    }
}

} // namespace
} // namespace stackfall
