// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Captions.h"
#include "Pictures.h"
#include "Shapes.h"
#include "SurfaceModel.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

// The order in which the graphics on the main window's surface are drawn,
// bottom of the stack first, as the window was designed: where two overlap,
// the later one shows. Each front end walks it with its own few drawing
// primitives.
namespace stackfall::drawing {

enum class Kind { Shape, Cells, Ring, Preview, Picture, PauseBanner, Caption, LevelText };

// One layer: a shape, a run of squares (`first` to `last`), a picture or a
// caption.
struct Layer {
    Kind kind;
    const shapes::Shape* shape = nullptr;
    int first = 0;
    int last = 0;
    const pictures::Placed* picture = nullptr;
    const captions::Caption* caption = nullptr;
};

[[nodiscard]] constexpr Layer shape(const shapes::Shape& s) {
    return {Kind::Shape, &s};
}
[[nodiscard]] constexpr Layer squares(Kind kind, int first, int last) {
    return {kind, nullptr, first, last};
}
[[nodiscard]] constexpr Layer picture(const pictures::Placed& p, Kind kind = Kind::Picture) {
    return {kind, nullptr, 0, 0, &p};
}
[[nodiscard]] constexpr Layer caption(const captions::Caption& c, Kind kind = Kind::Caption) {
    return {kind, nullptr, 0, 0, nullptr, &c};
}

inline constexpr std::array<Layer, 19> Order{{
    shape(shapes::FieldShadow),
    // The ring's first segment lies under the cells and the rest over them,
    // so the left edge of cell 1 shows the cell's own outline, and every
    // other edge the cells share with the ring the ring's.
    squares(Kind::Ring, 0, 0),
    squares(Kind::Cells, 1, field::CellCount),
    squares(Kind::Ring, 1, field::BorderSegments - 1),
    picture(pictures::SidePanel),
    picture(pictures::StartButton),
    picture(pictures::AboutButton),
    picture(pictures::ExitButton),
    picture(pictures::PauseBanner, Kind::PauseBanner), // only while paused
    shape(shapes::ScoreFrame),
    caption(captions::ScoreCaption),
    shape(shapes::PreviewFrame),
    // The design stacks the "Next " caption between preview cells 9 and 10.
    // At the designed size the two do not meet, so nothing shows the split;
    // it is kept because it is the design's order.
    squares(Kind::Preview, 1, 9),
    caption(captions::NextCaption),
    squares(Kind::Preview, 10, field::PreviewCells),
    shape(shapes::LevelFrame),
    caption(captions::LevelText, Kind::LevelText),
    caption(captions::LevelCaption),
    caption(captions::PauseHint),
}};

template <typename Painter, typename RectOf, typename SquareOf>
void paintSquares(const Layer& layer, Painter& painter, RectOf rectOf, SquareOf squareOf) {
    for (int i = layer.first; i <= layer.last; ++i) {
        painter.square(rectOf(i), squareOf(i));
    }
}

// Hands every layer to `painter`, bottom first, with what the model says of
// it now. The painter skips what lies outside the area it repaints:
//   shape(const shapes::Shape&)
//   square(const Rect&, const shapes::Square&)
//   picture(const pictures::Placed&)
//   caption(const captions::Caption&)            a caption that never changes
//   levelText(std::string_view)                   the level name, centred
template <typename Painter>
void paint(const SurfaceModel& model, Painter& painter) {
    for (const Layer& layer : Order) {
        switch (layer.kind) {
        case Kind::Shape:
            painter.shape(*layer.shape);
            break;
        case Kind::Cells:
            paintSquares(layer, painter, layout::cellRect,
                         [&model](int n) { return model.cell(n); });
            break;
        case Kind::Ring:
            paintSquares(layer, painter, layout::ringRect,
                         [&model](int i) { return model.ring(i); });
            break;
        case Kind::Preview:
            paintSquares(layer, painter, layout::previewRect,
                         [&model](int i) { return model.preview(i); });
            break;
        case Kind::PauseBanner:
            if (model.pauseVisible()) {
                painter.picture(*layer.picture);
            }
            break;
        case Kind::Picture:
            painter.picture(*layer.picture);
            break;
        case Kind::Caption:
            painter.caption(*layer.caption);
            break;
        case Kind::LevelText:
            painter.levelText(model.levelText());
            break;
        }
    }
}

// What the layers of one kind show (`member` of each), in the order drawn.
template <Kind kind, auto member>
[[nodiscard]] consteval auto layersOf() {
    constexpr auto count = static_cast<std::size_t>(
        std::count_if(Order.begin(), Order.end(), [](const Layer& l) { return l.kind == kind; }));
    std::array<std::remove_cvref_t<decltype(Order.front().*member)>, count> shown{};
    std::size_t n = 0;
    for (const Layer& layer : Order) {
        if (layer.kind == kind) {
            shown[n++] = layer.*member;
        }
    }
    return shown;
}

// The captions that never change.
inline constexpr auto FixedCaptions = layersOf<Kind::Caption, &Layer::caption>();

// Where `caption` stands among them; past the last for any other.
[[nodiscard]] constexpr std::size_t fixedCaptionIndex(const captions::Caption& caption) {
    std::size_t i = 0;
    while (i < FixedCaptions.size() && FixedCaptions[i] != &caption) {
        ++i;
    }
    return i;
}

// The pictures of the window's first frame: every picture but the pause
// banner, which opens hidden.
inline constexpr auto FirstFramePictures = [] {
    constexpr auto placed = layersOf<Kind::Picture, &Layer::picture>();
    std::array<std::string_view, placed.size()> names{};
    for (std::size_t i = 0; i < placed.size(); ++i) {
        names[i] = placed[i]->name;
    }
    return names;
}();

} // namespace stackfall::drawing
