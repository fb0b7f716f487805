// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameKey.h"
#include "QuestionButtons.h"
#include "WindowOps.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>

// What a gamepad sends the game: the same five game keys as the keyboard,
// the start button's click, and a question's answers. Both front ends read
// their pads into these terms and leave the rest to GamepadInput.
namespace stackfall::gamepad {

// The buttons the game listens to, named by where they sit: South is A on
// one maker's pads and cross on another's.
enum class Button { South, East, Start, Back };

enum class Direction { None, Up, Down, Left, Right };

// A stick at rest never sits exactly at 0; it counts only past this, out of
// 32767 either way.
inline constexpr int StickDeadZone = 8000;

// The direction of a stick or d-pad at (`x`, `yDown`), y growing downwards:
// only the stronger axis counts, the horizontal one on a tie, and only past
// `deadZone`.
[[nodiscard]] constexpr Direction directionOf(int x, int yDown, int deadZone) {
    const int ax = std::abs(x);
    const int ay = std::abs(yDown);
    if (std::max(ax, ay) <= deadZone) {
        return Direction::None;
    }
    if (ax >= ay) {
        return x < 0 ? Direction::Left : Direction::Right;
    }
    return yDown < 0 ? Direction::Up : Direction::Down;
}

[[nodiscard]] constexpr Direction stickDirection(int x, int yDown) {
    return directionOf(x, yDown, StickDeadZone);
}

// A d-pad's four switches, read as an axis each.
[[nodiscard]] constexpr Direction dpadDirection(bool up, bool down, bool left, bool right) {
    return directionOf(int{right} - int{left}, int{down} - int{up}, 0);
}

// Up turns the piece, as the Up arrow does.
[[nodiscard]] constexpr std::optional<GameKey> gameKeyOf(Direction direction) {
    switch (direction) {
    case Direction::Up:
        return GameKey::Turn;
    case Direction::Down:
        return GameKey::Down;
    case Direction::Left:
        return GameKey::Left;
    case Direction::Right:
        return GameKey::Right;
    case Direction::None:
        break;
    }
    return std::nullopt;
}

// A question's answer from a button: South presses the default button (OK
// or Yes), East the other one (Cancel or No); the rest answer nothing.
[[nodiscard]] constexpr std::optional<Answer> answerOf(const Question& question, Button button) {
    if (button == Button::South) {
        return questions::defaultOf(question);
    }
    if (button == Button::East) {
        const auto offered = questions::buttonsOf(question.buttons);
        return offered[0] == questions::defaultOf(question) ? offered[1] : offered[0];
    }
    return std::nullopt;
}

// How a held direction repeats: one key-down at once, the next after
// `delay`, then one every `interval`, as a held key does.
struct RepeatTiming {
    std::chrono::milliseconds delay{500};
    std::chrono::milliseconds interval{1000 / 30};
};

// The timing for a repeat `delay` and a `rate` of repeats a second, as a
// desktop reports them; what it does not report (0 or less) stays as the
// default's.
[[nodiscard]] constexpr RepeatTiming repeatTimingOf(int delayMs, int perSecond) {
    RepeatTiming timing;
    if (delayMs > 0) {
        timing.delay = std::chrono::milliseconds{delayMs};
    }
    if (perSecond > 0) {
        timing.interval = std::chrono::milliseconds{std::max(1, 1000 / perSecond)};
    }
    return timing;
}

// Windows' keyboard settings: the delay is 0 to 3 for 250 ms to 1 s, the
// speed 0 to 31 for about 2.5 to 30 repeats a second.
[[nodiscard]] constexpr RepeatTiming repeatTimingOfWindowsSettings(int delayIndex, int speedIndex) {
    RepeatTiming timing;
    timing.delay = std::chrono::milliseconds{250 * (std::clamp(delayIndex, 0, 3) + 1)};
    // 400 ms between repeats at 0, 33 ms at 31.
    const int speed = std::clamp(speedIndex, 0, 31);
    timing.interval = std::chrono::milliseconds{400 - speed * (400 - 33) / 31};
    return timing;
}

} // namespace stackfall::gamepad
