// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionBox.h"

#include "Failure.h"
#include "Fonts.h"
#include "Text.h"
#include "WindowClass.h"

namespace stackfall {

namespace {

constexpr wchar_t ClassName[] = L"StackfallCaptionBox";

// How far below the top of the line the middle of the digits lies: digits
// stand about seven tenths of the em high on the baseline.
int digitMiddle(HFONT font) {
    const MeasuringDc dc;
    TEXTMETRICW metrics{};
    {
        const Selected selected(dc.get(), font);
        GetTextMetricsW(dc.get(), &metrics);
    }
    const int em = metrics.tmHeight - metrics.tmInternalLeading;
    return metrics.tmAscent - em * 7 / 20;
}

} // namespace

CaptionBox::CaptionBox(HINSTANCE instance, HWND parent, const RECT& at, Rgb background,
                       const captions::Caption& caption, Fit fit, bool sunken)
    : background_(background), caption_(caption), fit_(fit), text_(wide(caption.text)) {
    if (!registerWindowClass(instance, ClassName, windowProcOf<CaptionBox>)) {
        failed("Could not register the picture boxes' class.");
    }
    hwnd_ = CreateWindowExW(sunken ? WS_EX_CLIENTEDGE : 0, ClassName, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP, at.left, at.top, widthOf(at),
                            heightOf(at), parent, nullptr, instance, this);
}

void CaptionBox::place(const Rect& r, const Scale& scale, const CaptionFaces& faces) {
    scale_ = scale;
    designFont_ = Fit::SizedToText == fit_
                      ? fittedFont(caption_, scale, faces)
                      : captionFont(caption_.points, caption_.bold, scale, faces);
    stackfall::place(hwnd_, r, scale);
    fitCaption();
    if (IsWindowVisible(hwnd_) != FALSE) { // a window is painted whole when it shows
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void CaptionBox::fitCaption() {
    const RECT designed = scale_.rect(caption_.rect);
    const SIZE size = textSize(designFont_.get(), text_);
    shrunkFont_.reset();
    if (fit_ == Fit::SizedToText) {
        label_ = {designed.left, designed.top, designed.left + size.cx, designed.top + size.cy};
        return;
    }
    label_ = designed;
    if (size.cx > widthOf(designed)) {
        shrunkFont_ = shrunkToWidth(
            caption_, text_, widthOf(designed) - 2 * scale_.px(captions::ShrunkMargin), scale_);
        const int drop = digitMiddle(designFont_.get()) - digitMiddle(shrunkFont_.get());
        OffsetRect(&label_, 0, drop);
    }
}

void CaptionBox::setText(std::string_view text) {
    std::wstring shown = wide(text);
    if (shown == text_) {
        return;
    }
    const RECT before = label_;
    text_ = std::move(shown);
    fitCaption();
    InvalidateRect(hwnd_, &before, FALSE);
    InvalidateRect(hwnd_, &label_, FALSE);
}

void CaptionBox::paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    fill(dc, client, background_);
    RECT clip{};
    IntersectRect(&clip, &client, &label_);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    const Selected selected(dc, shrunkFont_ ? shrunkFont_.get() : designFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(caption_.colour));
    RECT r = label_;
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    RestoreDC(dc, saved);
}

LRESULT CaptionBox::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace stackfall
