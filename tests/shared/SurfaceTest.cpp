// SPDX-License-Identifier: GPL-3.0-or-later
// The surface both front ends draw: what each change repaints, and the order
// in which the layers are drawn.
#include "DrawingOrder.h"
#include "SurfaceModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stackfall {
namespace {

TEST(SurfaceModelTest, EachChangeRepaintsItsControlOnlyAndBadIndexesChangeNothing) {
    SurfaceModel model;
    EXPECT_EQ(model.cell(1).outline, palette::CellOutlineAtOpen);
    EXPECT_EQ(model.ring(75).fill, palette::WindowGrey);
    EXPECT_EQ(model.preview(12).fill, palette::White);
    EXPECT_EQ(model.levelText(), "Easy");
    EXPECT_FALSE(model.pauseVisible());

    EXPECT_EQ(model.setCellFill(299, colour::FallingBlock), layout::cellRect(299));
    EXPECT_EQ(model.setCellFill(299, colour::FallingBlock), Rect{}); // unchanged
    EXPECT_EQ(model.setCellOutline(1, colour::CellOutline), layout::cellRect(1));
    EXPECT_EQ(model.setBorderFill(0, palette::Black), layout::ringRect(0));
    EXPECT_EQ(model.setPreviewFill(12, colour::PreviewLit), layout::previewRect(12));
    EXPECT_EQ(model.setLevelText("Hard"), layout::LevelText);
    EXPECT_EQ(model.setLevelText("Hard"), Rect{});
    EXPECT_EQ(model.setPauseVisible(true), layout::PauseBanner);
    EXPECT_EQ(model.setPauseVisible(true), Rect{});
    EXPECT_EQ(model.cell(299).fill, colour::FallingBlock);
    EXPECT_EQ(model.cell(1).outline, colour::CellOutline);
    EXPECT_EQ(model.ring(0).fill, palette::Black);
    EXPECT_EQ(model.preview(12).fill, colour::PreviewLit);
    EXPECT_EQ(model.levelText(), "Hard");
    EXPECT_TRUE(model.pauseVisible());

    const SurfaceModel before = model;
    for (const int bad : {-1, 0, 300, 1000}) {
        EXPECT_EQ(model.setCellFill(bad, palette::Black), Rect{}) << bad;
        EXPECT_EQ(model.setCellOutline(bad, palette::Black), Rect{}) << bad;
    }
    for (const int bad : {-1, 76}) {
        EXPECT_EQ(model.setBorderFill(bad, palette::White), Rect{}) << bad;
    }
    for (const int bad : {0, 13}) {
        EXPECT_EQ(model.setPreviewFill(bad, palette::Black), Rect{}) << bad;
    }
    for (int n = 1; n <= field::CellCount; ++n) {
        EXPECT_EQ(model.cell(n).fill, before.cell(n).fill);
        EXPECT_EQ(model.cell(n).outline, before.cell(n).outline);
    }
    for (int i = 0; i < field::BorderSegments; ++i) {
        EXPECT_EQ(model.ring(i).fill, before.ring(i).fill);
    }
    for (int i = 1; i <= field::PreviewCells; ++i) {
        EXPECT_EQ(model.preview(i).fill, before.preview(i).fill);
    }
}

// Writes each layer as the painter is handed it, runs of squares folded
// into one entry: "cells 1-299", "ring 0-0".
class RecordingPainter {
public:
    std::vector<std::string> drawn;

    void shape(const shapes::Shape& s) { add(s.rect == layout::FieldShadow ? "shadow" : "frame"); }
    void square(const Rect& r, const shapes::Square&) {
        const auto [kind, index] = squareAt(r);
        if (kind == runKind_ && index == runLast_ + 1) {
            runLast_ = index;
            drawn.back() = kind + " " + std::to_string(runFirst_) + "-" + std::to_string(index);
            return;
        }
        runKind_ = kind;
        runFirst_ = runLast_ = index;
        drawn.push_back(kind + " " + std::to_string(index) + "-" + std::to_string(index));
    }
    void picture(const pictures::Placed& p) { add(std::string(p.name)); }
    void caption(const captions::Caption& c) { add('"' + std::string(c.text) + '"'); }
    void levelText(std::string_view text) { add("level " + std::string(text)); }

private:
    void add(std::string entry) {
        runKind_.clear();
        drawn.push_back(std::move(entry));
    }
    static std::pair<std::string, int> squareAt(const Rect& r) {
        for (int n = 1; n <= field::CellCount; ++n) {
            if (layout::cellRect(n) == r) {
                return {"cells", n};
            }
        }
        for (int i = 0; i < field::BorderSegments; ++i) {
            if (layout::ringRect(i) == r) {
                return {"ring", i};
            }
        }
        for (int i = 1; i <= field::PreviewCells; ++i) {
            if (layout::previewRect(i) == r) {
                return {"preview", i};
            }
        }
        return {"?", 0};
    }

    std::string runKind_;
    int runFirst_ = 0;
    int runLast_ = 0;
};

TEST(DrawingOrderTest, LayersAreDrawnAsDesignedAndThePauseBannerOnlyWhilePaused) {
    SurfaceModel model;
    RecordingPainter hidden;
    drawing::paint(model, hidden);
    const std::vector<std::string> expected{
        "shadow",    "ring 0-0",      "cells 1-299", "ring 1-75",  "panel",     "start",
        "about",     "exit",          "frame",       "\"Score\"",  "frame",     "preview 1-9",
        "\"Next \"", "preview 10-12", "frame",       "level Easy", "\"Level\"", "\"F3 pause\""};
    EXPECT_EQ(hidden.drawn, expected);

    (void)model.setPauseVisible(true);
    (void)model.setLevelText("Mid");
    RecordingPainter paused;
    drawing::paint(model, paused);
    std::vector<std::string> withBanner = expected;
    withBanner.insert(withBanner.begin() + 8, "pause");
    withBanner[16] = "level Mid";
    EXPECT_EQ(paused.drawn, withBanner);

    // What the first frame needs decoded: the pictures of a window that
    // opens unpaused, bottom first.
    EXPECT_EQ(std::vector<std::string_view>(drawing::FirstFramePictures.begin(),
                                            drawing::FirstFramePictures.end()),
              (std::vector<std::string_view>{"panel", "start", "about", "exit"}));
    EXPECT_EQ(drawing::fixedCaptionIndex(captions::PauseHint), 3u);
    EXPECT_EQ(drawing::fixedCaptionIndex(captions::ScoreText), drawing::FixedCaptions.size());
}

} // namespace
} // namespace stackfall
