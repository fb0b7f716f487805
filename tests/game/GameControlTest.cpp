// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

namespace stackfall::testing {
namespace {

class GameControlTest : public GameFixture {
protected:
    // The answer the player gives to the next question.
    void answerWith(Answer a) {
        window.answer = [a](const Question&) { return a; };
    }
};

TEST_F(GameControlTest, TheFirstStartNeedsNoQuestionAndRunsTheStepsInOrder) {
    random = ScriptedRandom::ofTypes({2, 9});
    game.load();
    const auto before = mark();
    const int reseedsBefore = random.reseeds;
    game.startClicked();
    EXPECT_TRUE(window.questions.empty());
    const auto calls = window.since(before);

    // 299 white cells in ascending order, the score, the pause picture, the
    // piece, the preview, then gravity and clock on.
    ASSERT_GT(calls.size(), 299u);
    for (int cell = 1; cell <= 299; ++cell) {
        EXPECT_EQ(calls[static_cast<std::size_t>(cell - 1)],
                  (Call{Op::CellFill, cell, colour::EmptyCell}));
    }
    EXPECT_EQ(calls[299], (Call{Op::LabelText, static_cast<int>(Label::Score), 0, " 0"}));
    EXPECT_EQ(calls[300], (Call{Op::PauseVisible, 0, 0}));
    EXPECT_EQ(calls[301], (Call{Op::CellFill, 6, colour::FallingBlock}));
    EXPECT_EQ(calls[calls.size() - 2],
              (Call{Op::TimerEnabled, static_cast<int>(Timer::Gravity), 1}));
    EXPECT_EQ(calls.back(), (Call{Op::TimerEnabled, static_cast<int>(Timer::Clock), 1}));
    EXPECT_EQ(window.count(Op::LabelText, before), 1u); // the clock label is left alone
    EXPECT_EQ(random.reseeds - reseedsBefore, 2);
    EXPECT_EQ(game.state().currentType, 2);
    EXPECT_EQ(game.state().nextType, 9);
    EXPECT_FALSE(game.state().gameOver);
    expectInvariants();
}

TEST_F(GameControlTest, RestartAsksAndNoLeavesEverythingAsItWas) {
    start({6, 8, 8});
    game.gravityTick();
    game.clockTick();
    const std::string running = board();
    answerWith(Answer::No);
    const auto before = mark();
    game.startClicked();

    ASSERT_EQ(window.questions.size(), 1u);
    const Question& q = window.questions[0];
    EXPECT_EQ(q.text, "Hey baby ngepret, are you sure to restart the game ??");
    EXPECT_EQ(q.title, "God Warning !!!");
    EXPECT_EQ(q.buttons, Buttons::YesNo);
    EXPECT_EQ(q.defaultButton, Answer::Yes);
    EXPECT_EQ(window.since(before).size(), 1u); // only the question
    EXPECT_EQ(board(), running);
    EXPECT_TRUE(window.gravityEnabled);
    EXPECT_EQ(window.timeText, "00:00:01");

    // A paused game stays paused on No, and starts afresh unpaused on Yes.
    game.keyDown(GameKey::Pause);
    game.startClicked();
    EXPECT_TRUE(game.state().paused);
    EXPECT_TRUE(window.pauseVisible);
    answerWith(Answer::Yes);
    game.startClicked();
    EXPECT_FALSE(game.state().paused);
    EXPECT_FALSE(window.pauseVisible);
    EXPECT_TRUE(window.gravityEnabled);
    EXPECT_EQ(board(), withCells(EmptyField, {7}, 'o'));
    EXPECT_EQ(window.scoreText, " 0");
    expectInvariants();
}

TEST_F(GameControlTest, RestartKeepsTheLevelAndTheOldTimeUntilTheNextTick) {
    start({6, 8, 8, 8});
    game.levelChosen(2);
    for (int i = 0; i < 75; ++i) {
        game.clockTick();
    }
    EXPECT_EQ(window.timeText, "00:01:15");
    answerWith(Answer::Yes);
    game.startClicked();
    EXPECT_EQ(window.timeText, "00:01:15");
    EXPECT_EQ(game.state().seconds, 0);
    EXPECT_EQ(game.state().minutes, 0);
    EXPECT_EQ(game.state().level, 2);
    EXPECT_EQ(window.gravityPeriod, 150);
    EXPECT_EQ(window.levelText, "Mid");
    game.clockTick();
    EXPECT_EQ(window.timeText, "00:00:01");
}

TEST_F(GameControlTest, TheGameGoesOnBehindAQuestion) {
    start({6, 8, 8});
    window.answer = [this](const Question& q) {
        game.gravityTick();
        game.clockTick();
        return q.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    };
    game.startClicked();
    EXPECT_EQ(pieceCells(), (std::array{20, 32, 33, 34}));
    EXPECT_EQ(window.timeText, "00:00:01");
    game.exitClicked();
    EXPECT_EQ(pieceCells(), (std::array{33, 45, 46, 47}));
    EXPECT_EQ(window.timeText, "00:00:02");
    EXPECT_FALSE(window.ended);
    expectInvariants();
}

TEST_F(GameControlTest, AboutBoxChangesNothing) {
    start({6, 8, 8});
    game.keyDown(GameKey::Pause);
    const std::string before = board();
    const auto from = mark();
    game.aboutClicked();
    game.aboutClicked();
    EXPECT_EQ(window.since(from),
              (std::vector<Call>{{Op::ShowWindow, static_cast<int>(Window::About)},
                                 {Op::ShowWindow, static_cast<int>(Window::About)}}));
    EXPECT_TRUE(game.state().paused);
    EXPECT_EQ(board(), before);
}

TEST_F(GameControlTest, ExitAsksAndOkEndsTheProgramInEveryState) {
    for (const int state : {0, 1, 2, 3}) { // no game, running, paused, over
        FakeWindow w;
        auto r = ScriptedRandom::ofTypes({8, 8});
        Game g(w, r);
        g.load();
        if (state >= 1) {
            g.startClicked();
        }
        if (state == 2) {
            g.keyDown(GameKey::Pause);
        }
        if (state == 3) {
            GameTestAccess::setCell(g, 20, Cell::Settled);
            g.gravityTick();
            ASSERT_TRUE(g.state().gameOver);
        }
        w.answer = [](const Question&) { return Answer::Cancel; };
        const auto before = w.calls.size();
        g.exitClicked();
        ASSERT_EQ(w.questions.size(), 1u);
        EXPECT_EQ(w.questions[0].text, "Do you want go to the god side ??");
        EXPECT_EQ(w.questions[0].title, "What's up, Zolbert !!");
        EXPECT_EQ(w.questions[0].buttons, Buttons::OkCancel);
        EXPECT_EQ(w.questions[0].defaultButton, Answer::Ok);
        EXPECT_EQ(w.since(before).size(), 1u) << "Cancel changes nothing";
        EXPECT_FALSE(g.ended());

        w.answer = [](const Question&) { return Answer::Ok; };
        g.exitClicked();
        EXPECT_TRUE(w.ended);
        EXPECT_TRUE(g.ended());
        // Nothing is handled after the end.
        const auto after = w.calls.size();
        g.gravityTick();
        g.clockTick();
        g.keyDown(GameKey::Pause);
        g.keyDown(GameKey::Down);
        g.startClicked();
        g.aboutClicked();
        g.exitClicked();
        g.levelChosen(3);
        EXPECT_EQ(w.calls.size(), after) << "state " << state;
    }
}

TEST_F(GameControlTest, AnUnexpectedAnswerIsTakenAsNo) {
    start({6, 8, 8});
    const std::string before = board();
    window.answer = [](const Question&) { return static_cast<Answer>(42); };
    game.startClicked();
    game.exitClicked();
    EXPECT_EQ(board(), before);
    EXPECT_FALSE(window.ended);
}

} // namespace
} // namespace stackfall::testing
