// SPDX-License-Identifier: GPL-3.0-or-later
// Gamepads as both front ends read them: which direction a stick or d-pad
// gives, what each button sends, how a held direction repeats, and how the
// pads answer a question and do nothing else while it is open.
#include "GamepadInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stackfall::gamepad {
namespace {

using namespace std::chrono_literals;

// Records what reaches the game, one word an event.
class RecordingTarget final : public Target {
public:
    void key(GameKey key) override {
        static constexpr const char* Names[] = {"Left", "Right", "Turn", "Down", "Pause"};
        events.emplace_back(Names[static_cast<int>(key)]);
    }
    void startClicked() override { events.emplace_back("Start"); }
    void answer(Answer answer) override {
        events.push_back("Answer" + std::to_string(static_cast<int>(answer)));
    }
    std::vector<std::string> take() { return std::exchange(events, {}); }

    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

struct GamepadInputTest : ::testing::Test {
    GamepadInputTest() { input.setFocused(true); }

    // `ms` after the start of the test.
    static Clock::time_point at(int ms) {
        return Clock::time_point{} + std::chrono::milliseconds{ms};
    }

    RecordingTarget target;
    GamepadInput input{target, RepeatTiming{500ms, 40ms}};
};

TEST(GamepadMappingTest, StrongerAxisPastTheDeadZone) {
    EXPECT_EQ(stickDirection(0, 0), Direction::None);
    EXPECT_EQ(stickDirection(8000, 0), Direction::None);
    EXPECT_EQ(stickDirection(-8000, 8000), Direction::None);
    EXPECT_EQ(stickDirection(8001, 0), Direction::Right);
    EXPECT_EQ(stickDirection(-8001, 0), Direction::Left);
    EXPECT_EQ(stickDirection(0, 8001), Direction::Down);
    EXPECT_EQ(stickDirection(0, -32768), Direction::Up);
    // Only the stronger axis counts; a tie is horizontal.
    EXPECT_EQ(stickDirection(20000, -20001), Direction::Up);
    EXPECT_EQ(stickDirection(-20001, 20000), Direction::Left);
    EXPECT_EQ(stickDirection(32767, 32767), Direction::Right);
    // A weak axis under the dead zone does not hide a strong one.
    EXPECT_EQ(stickDirection(3000, 9000), Direction::Down);

    EXPECT_EQ(dpadDirection(false, false, false, false), Direction::None);
    EXPECT_EQ(dpadDirection(true, false, false, false), Direction::Up);
    EXPECT_EQ(dpadDirection(false, true, false, false), Direction::Down);
    EXPECT_EQ(dpadDirection(false, false, true, false), Direction::Left);
    EXPECT_EQ(dpadDirection(false, false, false, true), Direction::Right);
    EXPECT_EQ(dpadDirection(true, false, false, true), Direction::Right);
    EXPECT_EQ(dpadDirection(true, true, true, true), Direction::None);

    EXPECT_EQ(gameKeyOf(Direction::Up), GameKey::Turn);
    EXPECT_EQ(gameKeyOf(Direction::Down), GameKey::Down);
    EXPECT_EQ(gameKeyOf(Direction::Left), GameKey::Left);
    EXPECT_EQ(gameKeyOf(Direction::Right), GameKey::Right);
    EXPECT_EQ(gameKeyOf(Direction::None), std::nullopt);
}

TEST(GamepadMappingTest, RepeatTimingFromTheDesktopOrTheDefault) {
    EXPECT_EQ(RepeatTiming{}.delay, 500ms);
    EXPECT_EQ(RepeatTiming{}.interval, 33ms);
    EXPECT_EQ(repeatTimingOf(0, 0).delay, 500ms);
    EXPECT_EQ(repeatTimingOf(-1, -1).interval, 33ms);
    EXPECT_EQ(repeatTimingOf(660, 25).delay, 660ms);
    EXPECT_EQ(repeatTimingOf(660, 25).interval, 40ms);
    EXPECT_EQ(repeatTimingOf(200, 5000).interval, 1ms);

    EXPECT_EQ(repeatTimingOfWindowsSettings(0, 31).delay, 250ms);
    EXPECT_EQ(repeatTimingOfWindowsSettings(1, 31).delay, 500ms);
    EXPECT_EQ(repeatTimingOfWindowsSettings(3, 31).delay, 1000ms);
    EXPECT_EQ(repeatTimingOfWindowsSettings(3, 31).interval, 33ms);
    EXPECT_EQ(repeatTimingOfWindowsSettings(1, 0).interval, 400ms);
    // Out of range values are clamped.
    EXPECT_EQ(repeatTimingOfWindowsSettings(9, 99).delay, 1000ms);
    EXPECT_EQ(repeatTimingOfWindowsSettings(-1, -5).interval, 400ms);
}

TEST_F(GamepadInputTest, ButtonsSendTheirEventOnceAPress) {
    input.button(0, Button::South, true);
    input.button(0, Button::South, true); // still held: a second report is no press
    input.button(0, Button::South, false);
    input.button(0, Button::Start, true);
    input.button(0, Button::Start, false);
    input.button(0, Button::Back, true);
    input.button(0, Button::Back, false);
    input.button(0, Button::East, true); // nothing outside a question
    input.button(0, Button::East, false);
    input.button(0, Button::Start, false);
    EXPECT_EQ(target.take(), (Events{"Turn", "Pause", "Start"}));
    EXPECT_EQ(input.nextRepeat(), std::nullopt); // buttons never repeat
    input.tick(at(5000));
    EXPECT_EQ(target.take(), Events{});
}

TEST_F(GamepadInputTest, HeldDirectionActsAtOnceThenRepeatsAfterTheDelayAtTheRate) {
    input.dpad(0, Direction::Right, at(0));
    EXPECT_EQ(target.take(), Events{"Right"});
    EXPECT_EQ(input.nextRepeat(), at(500));
    input.tick(at(499));
    EXPECT_EQ(target.take(), Events{});
    input.tick(at(500));
    EXPECT_EQ(target.take(), Events{"Right"});
    EXPECT_EQ(input.nextRepeat(), at(540));
    input.tick(at(540));
    input.tick(at(580));
    EXPECT_EQ(target.take(), (Events{"Right", "Right"}));
    // A late tick sends one repeat, not the ones it missed.
    input.tick(at(1000));
    EXPECT_EQ(target.take(), Events{"Right"});
    EXPECT_EQ(input.nextRepeat(), at(1000));
    input.dpad(0, Direction::None, at(1001));
    EXPECT_EQ(input.nextRepeat(), std::nullopt);
    input.tick(at(2000));
    EXPECT_EQ(target.take(), Events{});

    // Each of the four directions, and a change of direction starts afresh.
    input.dpad(0, Direction::Up, at(3000));
    input.dpad(0, Direction::Down, at(3100));
    EXPECT_EQ(input.nextRepeat(), at(3600));
    input.dpad(0, Direction::Left, at(3200));
    EXPECT_EQ(target.take(), (Events{"Turn", "Down", "Left"}));
}

TEST_F(GamepadInputTest, StickCountsPastItsDeadZoneAndTheDpadWins) {
    input.stick(0, 5000, 0, at(0));
    input.stick(0, 7999, -200, at(10));
    EXPECT_EQ(target.take(), Events{});
    input.stick(0, -9000, 100, at(20));
    input.stick(0, -30000, 1000, at(30)); // the same direction: no new press
    EXPECT_EQ(target.take(), Events{"Left"});
    EXPECT_EQ(input.nextRepeat(), at(520));
    input.dpad(0, Direction::Down, at(40));
    EXPECT_EQ(target.take(), Events{"Down"});
    input.dpad(0, Direction::None, at(50)); // the stick, still held left, acts again
    EXPECT_EQ(target.take(), Events{"Left"});
    input.stick(0, 0, 0, at(60));
    EXPECT_EQ(input.nextRepeat(), std::nullopt);
}

TEST_F(GamepadInputTest, EveryPadActsAndRepeatsOnItsOwn) {
    input.dpad(0, Direction::Left, at(0));
    input.stick(3, 0, 32767, at(100));
    EXPECT_EQ(target.take(), (Events{"Left", "Down"}));
    input.tick(at(500));
    EXPECT_EQ(target.take(), Events{"Left"});
    EXPECT_EQ(input.nextRepeat(), at(540));
    input.tick(at(600));
    EXPECT_EQ(target.take(), (Events{"Left", "Down"}));
    // Unplugging stops that pad's repeats, the other's go on.
    input.unplugged(0);
    input.tick(at(640));
    EXPECT_EQ(target.take(), Events{"Down"});
    // Pads past the last slot are ignored.
    input.dpad(GamepadInput::MaxPads, Direction::Left, at(700));
    input.button(GamepadInput::MaxPads, Button::Start, true);
    EXPECT_EQ(target.take(), Events{});
}

TEST_F(GamepadInputTest, NothingActsWithoutTheFocusAndHeldDirectionsWaitForRelease) {
    input.dpad(0, Direction::Right, at(0));
    input.setFocused(false);
    EXPECT_EQ(input.nextRepeat(), std::nullopt);
    input.tick(at(600));
    input.button(0, Button::Start, true);
    input.dpad(1, Direction::Down, at(600));
    EXPECT_EQ(target.take(), Events{"Right"});
    input.setFocused(true);
    // Held through the change of focus: nothing until released.
    input.tick(at(2000));
    input.button(0, Button::Start, true);
    EXPECT_EQ(target.take(), Events{});
    input.button(0, Button::Start, false);
    input.button(0, Button::Start, true);
    input.dpad(0, Direction::None, at(2100));
    input.dpad(0, Direction::Right, at(2200));
    EXPECT_EQ(target.take(), (Events{"Pause", "Right"}));
}

TEST_F(GamepadInputTest, OpenQuestionIsAnsweredAndNothingElseActs) {
    const Question restart{"restart?", "title", Buttons::YesNo, Answer::Yes};
    const Question exit{"exit?", "title", Buttons::OkCancel, Answer::Ok};
    EXPECT_EQ(answerOf(restart, Button::South), Answer::Yes);
    EXPECT_EQ(answerOf(restart, Button::East), Answer::No);
    EXPECT_EQ(answerOf(exit, Button::South), Answer::Ok);
    EXPECT_EQ(answerOf(exit, Button::East), Answer::Cancel);
    EXPECT_EQ(answerOf(exit, Button::Start), std::nullopt);
    EXPECT_EQ(answerOf(exit, Button::Back), std::nullopt);

    input.dpad(0, Direction::Left, at(0));
    input.setQuestion(&restart);
    input.tick(at(600)); // no repeat behind the question
    input.dpad(1, Direction::Down, at(600));
    input.button(0, Button::Start, true);
    input.button(0, Button::Back, true);
    input.button(0, Button::East, true);
    input.setQuestion(nullptr);
    input.setQuestion(&exit);
    input.button(0, Button::South, true);
    input.setQuestion(nullptr);
    EXPECT_EQ(target.take(), (Events{"Left", "Answer7", "Answer1"}));
    // Directions held through the question act again only once released.
    input.tick(at(2000));
    input.dpad(1, Direction::None, at(2000));
    input.dpad(1, Direction::Down, at(2001));
    EXPECT_EQ(target.take(), Events{"Down"});
}

// A target that opens a question from the start button's click, inside
// which the pad releases Back and answers: once the question has closed,
// Back is released, and its next press clicks again.
TEST_F(GamepadInputTest, ButtonsReleasedInsideANestedQuestionCountAsReleased) {
    const Question restart{"restart?", "title", Buttons::YesNo, Answer::Yes};
    struct Nested final : Target {
        GamepadInput* input = nullptr;
        const Question* question = nullptr;
        std::vector<std::string> events;
        void key(GameKey /*key*/) override { events.emplace_back("Key"); }
        void startClicked() override {
            events.emplace_back("Start");
            if (events.size() > 1) {
                return;
            }
            input->setQuestion(question);
            input->button(0, Button::Back, false);
            input->button(0, Button::East, true);
            input->setQuestion(nullptr);
        }
        void answer(Answer a) override { events.push_back("Answer" + std::to_string(int(a))); }
    } nested;
    GamepadInput nestedInput(nested);
    nested.input = &nestedInput;
    nested.question = &restart;
    nestedInput.setFocused(true);
    nestedInput.button(0, Button::Back, true);
    nestedInput.button(0, Button::Back, true);
    EXPECT_EQ(nested.events, (Events{"Start", "Answer7", "Start"}));
}

} // namespace
} // namespace stackfall::gamepad
