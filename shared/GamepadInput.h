// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GamepadMapping.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>

namespace stackfall::gamepad {

using Clock = std::chrono::steady_clock;

// Where the pads' events go: the rules' key-down and the start button's
// click, or the answer to the question that is open.
class Target {
public:
    virtual void key(GameKey key) = 0;
    virtual void startClicked() = 0;
    virtual void answer(Answer answer) = 0;

protected:
    ~Target() = default;
};

// Every connected pad's buttons and directions turned into the game's
// events. The front end reports what each pad (by its slot) does, with the
// time it happened, and calls tick() by nextRepeat() while a direction is
// held. Nothing acts while none of the game's windows has the focus; while a
// question is open the pads only answer it. A direction still held from
// then acts again only once released.
//
// Each event changes this object's state before it reaches the target, so
// a target that runs a nested event loop (a question) may report more pad
// events from inside it.
class GamepadInput {
public:
    static constexpr std::size_t MaxPads = 8;

    explicit GamepadInput(Target& target, RepeatTiming timing = {})
        : target_(target), timing_(timing) {}

    void setTiming(RepeatTiming timing) { timing_ = timing; }
    [[nodiscard]] RepeatTiming timing() const { return timing_; }

    void setFocused(bool focused) {
        focused_ = focused;
        holdBack();
    }
    // The question now open, or nullptr once answered. It must live as long
    // as it is open.
    void setQuestion(const Question* question) {
        question_ = question;
        holdBack();
    }

    void button(std::size_t pad, Button button, bool down) {
        if (pad >= MaxPads) {
            return;
        }
        auto& held = pads_[pad].buttons[static_cast<std::size_t>(button)];
        const bool pressed = down && !held;
        held = down;
        if (!pressed || !focused_) {
            return;
        }
        if (question_ != nullptr) {
            if (const auto a = answerOf(*question_, button)) {
                target_.answer(*a);
            }
            return;
        }
        switch (button) {
        case Button::South:
            target_.key(GameKey::Turn);
            break;
        case Button::Start:
            target_.key(GameKey::Pause);
            break;
        case Button::Back:
            target_.startClicked();
            break;
        case Button::East:
            break;
        }
    }

    void dpad(std::size_t pad, Direction direction, Clock::time_point now) {
        if (pad < MaxPads) {
            pads_[pad].dpad = direction;
            steer(pads_[pad], now);
        }
    }
    void stick(std::size_t pad, int x, int yDown, Clock::time_point now) {
        if (pad < MaxPads) {
            pads_[pad].stick = stickDirection(x, yDown);
            steer(pads_[pad], now);
        }
    }

    // The pad went: it stops repeating and its buttons count as released.
    void unplugged(std::size_t pad) {
        if (pad < MaxPads) {
            pads_[pad] = Pad{};
        }
    }

    // Sends the repeats that are due by `now`, one a pad at most.
    void tick(Clock::time_point now) {
        for (Pad& pad : pads_) {
            if (pad.nextRepeat && *pad.nextRepeat <= now) {
                // Late ticks do not catch up in a burst.
                pad.nextRepeat = std::max(*pad.nextRepeat + timing_.interval, now);
                if (const auto key = gameKeyOf(pad.acting)) {
                    target_.key(*key);
                }
            }
        }
    }

    // When tick() is next wanted: none while no direction repeats.
    [[nodiscard]] std::optional<Clock::time_point> nextRepeat() const {
        std::optional<Clock::time_point> next;
        for (const Pad& pad : pads_) {
            if (pad.nextRepeat && (!next || *pad.nextRepeat < *next)) {
                next = pad.nextRepeat;
            }
        }
        return next;
    }

private:
    struct Pad {
        std::array<bool, 4> buttons{};
        Direction dpad = Direction::None;
        Direction stick = Direction::None;
        // The direction held, acting or held back until its release.
        Direction acting = Direction::None;
        std::optional<Clock::time_point> nextRepeat;
    };

    // The d-pad wins over the stick.
    void steer(Pad& pad, Clock::time_point now) {
        const Direction held = pad.dpad != Direction::None ? pad.dpad : pad.stick;
        if (held == pad.acting) {
            return;
        }
        pad.acting = held;
        pad.nextRepeat.reset();
        const auto key = gameKeyOf(held);
        if (!key || !focused_ || question_ != nullptr) {
            return;
        }
        pad.nextRepeat = now + timing_.delay;
        target_.key(*key);
    }

    // Directions held now stop repeating and wait for their release.
    void holdBack() {
        for (Pad& pad : pads_) {
            pad.nextRepeat.reset();
        }
    }

    Target& target_;
    RepeatTiming timing_;
    bool focused_ = false;
    const Question* question_ = nullptr;
    std::array<Pad, MaxPads> pads_{};
};

// Made around a question box: while it lives the front end's pads (none
// where `pads` is null) answer `question` instead of playing.
template <class Pads>
class OpenQuestion {
public:
    OpenQuestion(Pads* pads, const Question& question) : pads_(pads) {
        if (pads_ != nullptr) {
            pads_->setQuestion(&question);
        }
    }
    ~OpenQuestion() {
        if (pads_ != nullptr) {
            pads_->setQuestion(nullptr);
        }
    }
    OpenQuestion(const OpenQuestion&) = delete;
    OpenQuestion& operator=(const OpenQuestion&) = delete;

private:
    Pads* pads_;
};

} // namespace stackfall::gamepad
