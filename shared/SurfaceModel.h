// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Captions.h"
#include "Field.h"
#include "Shapes.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace stackfall {

// What the rules change of the graphics drawn straight on the main window:
// the squares' colours, the level name and the pause banner. Each setter
// returns the rectangle that now needs repainting, empty when nothing
// changed or the index names no control, so that a window repaints only
// what changed.
class SurfaceModel {
public:
    SurfaceModel() {
        cells_.fill(shapes::CellAtOpen);
        ring_.fill(shapes::RingAtOpen);
        preview_.fill(shapes::PreviewAtOpen);
    }

    [[nodiscard]] Rect setCellFill(int cell, Rgb colour) {
        return field::isCell(cell)
                   ? change(cells_[index(cell, 1)].fill, colour, layout::cellRect(cell))
                   : Rect{};
    }
    [[nodiscard]] Rect setCellOutline(int cell, Rgb colour) {
        return field::isCell(cell)
                   ? change(cells_[index(cell, 1)].outline, colour, layout::cellRect(cell))
                   : Rect{};
    }
    [[nodiscard]] Rect setBorderFill(int segment, Rgb colour) {
        return isSegment(segment)
                   ? change(ring_[index(segment, 0)].fill, colour, layout::ringRect(segment))
                   : Rect{};
    }
    [[nodiscard]] Rect setPreviewFill(int cell, Rgb colour) {
        return isPreviewCell(cell)
                   ? change(preview_[index(cell, 1)].fill, colour, layout::previewRect(cell))
                   : Rect{};
    }
    [[nodiscard]] Rect setLevelText(std::string_view text) {
        if (text == levelText_) {
            return {};
        }
        levelText_.assign(text);
        return layout::LevelText;
    }
    [[nodiscard]] Rect setPauseVisible(bool visible) {
        if (visible == pauseVisible_) {
            return {};
        }
        pauseVisible_ = visible;
        return layout::PauseBanner;
    }

    // Cells 1 to 299, border segments 0 to 75, preview cells 1 to 12.
    [[nodiscard]] const shapes::Square& cell(int n) const { return cells_[index(n, 1)]; }
    [[nodiscard]] const shapes::Square& ring(int i) const { return ring_[index(i, 0)]; }
    [[nodiscard]] const shapes::Square& preview(int i) const { return preview_[index(i, 1)]; }
    [[nodiscard]] std::string_view levelText() const { return levelText_; }
    [[nodiscard]] bool pauseVisible() const { return pauseVisible_; }

    [[nodiscard]] static constexpr bool isSegment(int i) {
        return i >= 0 && i < field::BorderSegments;
    }
    [[nodiscard]] static constexpr bool isPreviewCell(int i) {
        return i >= 1 && i <= field::PreviewCells;
    }

private:
    [[nodiscard]] static constexpr std::size_t index(int i, int first) {
        return static_cast<std::size_t>(i - first);
    }
    [[nodiscard]] static Rect change(Rgb& to, Rgb colour, const Rect& r) {
        if (to == colour) {
            return {};
        }
        to = colour;
        return r;
    }

    std::array<shapes::Square, field::CellCount> cells_;
    std::array<shapes::Square, field::BorderSegments> ring_;
    std::array<shapes::Square, field::PreviewCells> preview_;
    std::string levelText_{captions::LevelText.text};
    bool pauseVisible_ = false;
};

} // namespace stackfall
