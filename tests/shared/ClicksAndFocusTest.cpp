// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's input that both front ends read alike: clicks on the
// picture buttons and the tab order.
#include "ClickTracker.h"
#include "TabOrder.h"

#include <gtest/gtest.h>

namespace stackfall {
namespace {

using buttons::ClickTracker;
using buttons::PictureButton;

TEST(ClickTrackerTest, APressAndAReleaseOverOneButtonClickIt) {
    ClickTracker clicks;
    EXPECT_TRUE(clicks.press(PictureButton::Start)); // held: the window keeps the mouse
    EXPECT_EQ(clicks.release(PictureButton::Start), PictureButton::Start);
    EXPECT_FALSE(clicks.held());

    // Dragged to another button, or off the buttons: no click, and the press
    // is gone.
    clicks.press(PictureButton::Start);
    EXPECT_EQ(clicks.release(PictureButton::Exit), PictureButton::None);
    EXPECT_EQ(clicks.release(PictureButton::Start), PictureButton::None);
    clicks.press(PictureButton::About);
    EXPECT_EQ(clicks.release(PictureButton::None), PictureButton::None);
    EXPECT_EQ(clicks.release(PictureButton::About), PictureButton::None);

    // A press off the buttons holds nothing and clicks nothing.
    EXPECT_FALSE(clicks.press(PictureButton::None));
    EXPECT_EQ(clicks.release(PictureButton::None), PictureButton::None);
}

TEST(ClickTrackerTest, ADoubleClickIsOneClickAndALostMouseForgetsThePress) {
    ClickTracker clicks;
    clicks.press(PictureButton::Exit);
    EXPECT_EQ(clicks.release(PictureButton::Exit), PictureButton::Exit);
    clicks.doubleClick(); // the second press
    EXPECT_FALSE(clicks.held());
    EXPECT_EQ(clicks.release(PictureButton::Exit), PictureButton::None);

    clicks.press(PictureButton::Start);
    clicks.cancel(); // a question opened, or another window took the mouse
    EXPECT_FALSE(clicks.held());
    EXPECT_EQ(clicks.release(PictureButton::Start), PictureButton::None);
}

TEST(TabOrderTest, TabAndShiftTabGoRoundTheControlsFromTheClockPanel) {
    using focus::Control;
    EXPECT_EQ(focus::TabOrder.front(), Control::ClockPanel);
    Control at = Control::ClockPanel;
    const Control forwards[] = {Control::ScorePanel, Control::LevelBar, Control::FocusKeeper,
                                Control::ClockPanel};
    for (const Control expected : forwards) {
        at = focus::next(at, false);
        EXPECT_EQ(at, expected);
    }
    const Control backwards[] = {Control::FocusKeeper, Control::LevelBar, Control::ScorePanel,
                                 Control::ClockPanel};
    for (const Control expected : backwards) {
        at = focus::next(at, true);
        EXPECT_EQ(at, expected);
    }
    // From the window itself, or a control outside the order, to the first.
    EXPECT_EQ(focus::next(std::nullopt, false), Control::ClockPanel);
    EXPECT_EQ(focus::next(std::nullopt, true), Control::ClockPanel);
}

} // namespace
} // namespace stackfall
