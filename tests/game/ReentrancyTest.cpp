// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

namespace stackfall::testing {
namespace {

// A window whose sound operation lets queued events through, as a careless
// sound player would: the rules must refuse them.
class ReentrancyTest : public GameFixture {
protected:
    void floodInsideSounds() {
        window.onSound = [this](int) {
            ++soundsEntered;
            game.keyDown(GameKey::Left);
            game.keyDown(GameKey::Down);
            game.keyDown(GameKey::Turn);
            game.keyDown(GameKey::Pause);
            game.gravityTick();
            game.clockTick();
            game.startClicked();
            game.exitClicked();
            game.levelChosen(3);
        };
    }
    int soundsEntered = 0;
};

TEST_F(ReentrancyTest, NoEventRunsInsideALanding) {
    start({7, 6, 6});
    setBoard(withCells(EmptyField, {287, 288, 289, 290, 291, 296, 297, 298, 299}, '#'));
    place(7, {292, 293, 294, 295});
    floodInsideSounds();
    const auto before = mark();
    game.gravityTick();

    ASSERT_EQ(soundsEntered, 1);
    // The row went, the T entered where it enters, and nothing else happened.
    EXPECT_EQ(game.state().score, 10);
    EXPECT_EQ(pieceCells(), (std::array{7, 19, 20, 21}));
    EXPECT_FALSE(game.state().paused);
    EXPECT_EQ(game.state().level, 1);
    EXPECT_TRUE(window.questions.empty());
    const auto calls = window.since(before);
    const auto sound = std::find(calls.begin(), calls.end(), Call(Op::PlaySound, 3));
    ASSERT_NE(sound, calls.end());
    for (auto it = sound + 1; it != calls.end(); ++it) {
        EXPECT_TRUE(it->op == Op::CellFill || it->op == Op::PreviewFill)
            << "call " << static_cast<int>(it->op) << " after the sound";
    }
    EXPECT_EQ(window.timeText, "00:00");
    expectInvariants();
}

TEST_F(ReentrancyTest, NoEventRunsInsideATurn) {
    start({6, 8, 8});
    place(6, {59, 71, 72, 73});
    GameTestAccess::setBoard(game, withCells(EmptyField, {59, 71, 72, 73}, 'o'));
    floodInsideSounds();
    const auto before = mark();
    game.keyDown(GameKey::Turn);
    ASSERT_EQ(soundsEntered, 1);
    EXPECT_EQ(pieceCells(), (std::array{73, 59, 72, 85}));
    EXPECT_EQ(window.since(before).back(), Call(Op::PlaySound, 2));
    // Once the turn is over, the rules take events again.
    window.onSound = nullptr;
    game.keyDown(GameKey::Left);
    EXPECT_EQ(pieceCells(), (std::array{72, 58, 71, 84}));
}

} // namespace
} // namespace stackfall::testing
