// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surface.h"

#include "Captions.h"
#include "Fonts.h"
#include "PictureStore.h"
#include "Pictures.h"
#include "Text.h"

#include <utility>

namespace stackfall {

namespace {

bool touches(HRGN dirty, const RECT& r) {
    return RectInRegion(dirty, &r) != FALSE;
}

Rect shapeBounds(const Rect& r, int outlineWidth) {
    return shapes::bounds({r, 0, 0, outlineWidth});
}

} // namespace

Surface::Surface(PictureStore& pictures)
    : pictures_(pictures), levelText_(wide(captions::LevelText.text)) {
    cells_.fill(shapes::CellAtOpen);
    ring_.fill(shapes::RingAtOpen);
    preview_.fill(shapes::PreviewAtOpen);
}

void Surface::preloadPictures(const Scale& scale) {
    pictures_.preload({pictures::SidePanel.name, pictures::StartButton.name,
                       pictures::AboutButton.name, pictures::ExitButton.name},
                      scale);
}

void Surface::rescale(const Scale& scale) {
    scale_ = scale;
    levelFont_ = captionFont(captions::LevelText.points, captions::LevelText.bold, scale);
    // Captions sized to their text keep their top left corner.
    const auto label = [&scale](Label& l, const captions::Caption& caption) {
        l.font = fittedFont(caption, scale);
        l.text = wide(caption.text);
        const SIZE size = textSize(l.font.get(), l.text);
        const int left = scale.px(caption.rect.x);
        const int top = scale.px(caption.rect.y);
        l.rect = {left, top, left + size.cx, top + size.cy};
    };
    label(scoreCaption_, captions::ScoreCaption);
    label(nextCaption_, captions::NextCaption);
    label(pauseHint_, captions::PauseHint);
    label(levelCaption_, captions::LevelCaption);
}

Rect Surface::change(Rgb& to, Rgb colour, const Rect& r) {
    if (to == colour) {
        return {};
    }
    to = colour;
    return r;
}

Rect Surface::setCellFill(int cell, Rgb colour) {
    if (!field::isCell(cell)) {
        return {};
    }
    return change(cells_[static_cast<std::size_t>(cell - 1)].fill, colour, layout::cellRect(cell));
}

Rect Surface::setCellOutline(int cell, Rgb colour) {
    if (!field::isCell(cell)) {
        return {};
    }
    return change(cells_[static_cast<std::size_t>(cell - 1)].outline, colour,
                  layout::cellRect(cell));
}

Rect Surface::setBorderFill(int segment, Rgb colour) {
    if (segment < 0 || segment >= field::BorderSegments) {
        return {};
    }
    return change(ring_[static_cast<std::size_t>(segment)].fill, colour, layout::ringRect(segment));
}

Rect Surface::setPreviewFill(int cell, Rgb colour) {
    if (cell < 1 || cell > field::PreviewCells) {
        return {};
    }
    return change(preview_[static_cast<std::size_t>(cell - 1)].fill, colour,
                  layout::previewRect(cell));
}

Rect Surface::setLevelText(std::string_view text) {
    std::wstring shown = wide(text);
    if (shown == levelText_) {
        return {};
    }
    levelText_ = std::move(shown);
    return layout::LevelText;
}

Rect Surface::setPauseVisible(bool visible) {
    if (visible == pauseVisible_) {
        return {};
    }
    pauseVisible_ = visible;
    return layout::PauseBanner;
}

// A rectangle with a solid fill and an outline centred on its edge: the
// outline's colour under the whole shape, then the fill inside its ring.
// The ring's inner edges are scaled as edges too, so at 150 % a 3-px
// outline is 4 device pixels on one side and 5 on the other, as the Qt
// front end paints it.
void Surface::paintShape(HDC dc, const Rect& r, Rgb fill, Rgb outline, int outlineWidth) const {
    const Rect bounds = shapeBounds(r, outlineWidth);
    stackfall::fill(dc, scale_.rect(bounds), outline);
    const Rect inside{bounds.x + outlineWidth, bounds.y + outlineWidth,
                      bounds.width - 2 * outlineWidth, bounds.height - 2 * outlineWidth};
    stackfall::fill(dc, scale_.rect(inside), fill);
}

void Surface::paintLabel(HDC dc, const Label& label, Rgb colour) const {
    const Selected selected(dc, label.font.get());
    SetTextColor(dc, colorRef(colour));
    RECT r = label.rect;
    DrawTextW(dc, label.text.c_str(), static_cast<int>(label.text.size()), &r,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void Surface::paint(HDC dc, HRGN dirty) const {
    RECT box{};
    GetRgnBox(dirty, &box);
    stackfall::fill(dc, box, palette::WindowGrey);
    SetBkMode(dc, TRANSPARENT);

    const auto shape = [&](const shapes::Shape& s) {
        if (touches(dirty, scale_.rect(shapes::bounds(s)))) {
            paintShape(dc, s.rect, s.fill, s.outline, s.outlineWidth);
        }
    };
    const auto square = [&](const Rect& r, const shapes::Square& s) {
        if (touches(dirty, scale_.rect(r))) {
            paintShape(dc, r, s.fill, s.outline, 1);
        }
    };
    const auto picture = [&](const pictures::Placed& p) {
        if (touches(dirty, scale_.rect(p.rect))) {
            pictures_.draw(dc, p.name, p.rect.x, p.rect.y, scale_);
        }
    };

    shape(shapes::FieldShadow);
    square(layout::ringRect(0), ring_[0]);
    for (int n = 1; n <= field::CellCount; ++n) {
        square(layout::cellRect(n), cells_[static_cast<std::size_t>(n - 1)]);
    }
    for (int i = 1; i < field::BorderSegments; ++i) {
        square(layout::ringRect(i), ring_[static_cast<std::size_t>(i)]);
    }

    picture(pictures::SidePanel);
    picture(pictures::StartButton);
    picture(pictures::AboutButton);
    picture(pictures::ExitButton);
    if (pauseVisible_) {
        picture(pictures::PauseBanner);
    }

    shape(shapes::ScoreFrame);
    if (touches(dirty, scoreCaption_.rect)) {
        paintLabel(dc, scoreCaption_, captions::ScoreCaption.colour);
    }
    shape(shapes::PreviewFrame);
    for (int i = 1; i <= 9; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    if (touches(dirty, nextCaption_.rect)) {
        paintLabel(dc, nextCaption_, captions::NextCaption.colour);
    }
    for (int i = 10; i <= field::PreviewCells; ++i) {
        square(layout::previewRect(i), preview_[static_cast<std::size_t>(i - 1)]);
    }
    shape(shapes::LevelFrame);
    const RECT levelRect = scale_.rect(layout::LevelText);
    if (touches(dirty, levelRect)) {
        const Selected selected(dc, levelFont_.get());
        SetTextColor(dc, colorRef(captions::LevelText.colour));
        RECT r = levelRect;
        DrawTextW(dc, levelText_.c_str(), static_cast<int>(levelText_.size()), &r,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (touches(dirty, levelCaption_.rect)) {
        paintLabel(dc, levelCaption_, captions::LevelCaption.colour);
    }
    if (touches(dirty, pauseHint_.rect)) {
        paintLabel(dc, pauseHint_, captions::PauseHint.colour);
    }
}

} // namespace stackfall
