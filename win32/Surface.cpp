// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surface.h"

#include "Fonts.h"
#include "PictureStore.h"
#include "Text.h"

namespace stackfall {

// The drawing order's primitives in GDI, each skipping what lies outside the
// region being repainted.
class SurfacePainter {
public:
    SurfacePainter(const Surface& surface, HDC dc, HRGN dirty)
        : surface_(surface), scale_(surface.scale_), dc_(dc), dirty_(dirty) {}

    void shape(const shapes::Shape& s) const {
        paintShape(s.rect, s.fill, s.outline, s.outlineWidth);
    }
    void square(const Rect& r, const shapes::Square& s) const {
        paintShape(r, s.fill, s.outline, 1);
    }
    void picture(const pictures::Placed& p) const {
        if (touches(scale_.rect(p.rect))) {
            surface_.pictures_.draw(dc_, p.name, p.rect.x, p.rect.y, scale_);
        }
    }
    void caption(const captions::Caption& c) const {
        const Surface::Label& label = surface_.labels_[drawing::fixedCaptionIndex(c)];
        if (touches(label.rect)) {
            drawText(label.font.get(), label.text, label.rect, c.colour, DT_LEFT | DT_NOCLIP);
        }
    }
    void levelText(std::string_view text) const {
        const RECT r = scale_.rect(layout::LevelText);
        if (touches(r)) {
            drawText(surface_.levelFont_.get(), wide(text), r, captions::LevelText.colour,
                     DT_CENTER);
        }
    }

private:
    [[nodiscard]] bool touches(const RECT& r) const { return RectInRegion(dirty_, &r) != FALSE; }

    // A rectangle with a solid fill and an outline centred on its edge: the
    // outline's colour under the whole shape, then the fill inside its ring.
    // The ring's inner edges are scaled as edges too, so at 150 % a 3-px
    // outline is 4 device pixels on one side and 5 on the other, as the Qt
    // front end paints it.
    void paintShape(const Rect& r, Rgb fill, Rgb outline, int outlineWidth) const {
        const Rect bounds = shapes::bounds({r, fill, outline, outlineWidth});
        const RECT device = scale_.rect(bounds);
        if (!touches(device)) {
            return;
        }
        stackfall::fill(dc_, device, outline);
        const Rect inside{bounds.x + outlineWidth, bounds.y + outlineWidth,
                          bounds.width - 2 * outlineWidth, bounds.height - 2 * outlineWidth};
        stackfall::fill(dc_, scale_.rect(inside), fill);
    }

    void drawText(HFONT font, const std::wstring& text, RECT r, Rgb colour, UINT format) const {
        const Selected selected(dc_, font);
        SetTextColor(dc_, colorRef(colour));
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r,
                  format | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }

    const Surface& surface_;
    const Scale& scale_;
    HDC dc_;
    HRGN dirty_;
};

void Surface::preloadPictures(const Scale& scale) {
    pictures_.preload(drawing::FirstFramePictures, scale);
}

void Surface::rescale(const Scale& scale, const CaptionFaces& faces) {
    scale_ = scale;
    levelFont_ = captionFont(captions::LevelText.points, captions::LevelText.bold, scale, faces);
    // Captions sized to their text keep their top left corner.
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const captions::Caption& caption = *drawing::FixedCaptions[i];
        Label& label = labels_[i];
        label.font = fittedFont(caption, scale, faces);
        label.text = wide(caption.text);
        const SIZE size = textSize(label.font.get(), label.text);
        const int left = scale.px(caption.rect.x);
        const int top = scale.px(caption.rect.y);
        label.rect = {left, top, left + size.cx, top + size.cy};
    }
}

void Surface::paintUpdate(HWND window, const SurfaceModel& model, bool buffered) const {
    const GdiObject<HRGN> dirty(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(window, dirty.get(), FALSE);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const RECT box = ps.rcPaint;
    if (!buffered) {
        paint(dc, dirty.get(), model);
    } else if (IsRectEmpty(&box) == FALSE) {
        HDC buffer = CreateCompatibleDC(dc);
        const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, widthOf(box), heightOf(box)));
        {
            const Selected selected(buffer, bitmap.get());
            SetViewportOrgEx(buffer, -box.left, -box.top, nullptr);
            paint(buffer, dirty.get(), model);
            BitBlt(dc, box.left, box.top, widthOf(box), heightOf(box), buffer, box.left, box.top,
                   SRCCOPY);
        }
        DeleteDC(buffer);
    }
    EndPaint(window, &ps);
}

void Surface::paint(HDC dc, HRGN dirty, const SurfaceModel& model) const {
    RECT box{};
    GetRgnBox(dirty, &box);
    stackfall::fill(dc, box, palette::WindowGrey);
    SetBkMode(dc, TRANSPARENT);
    const SurfacePainter painter(*this, dc, dirty);
    drawing::paint(model, painter);
}

} // namespace stackfall
