// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GamepadInput.h"
#include "PictureButtons.h"

namespace stackfall::gamepad {

// The pads' events as both front ends carry them out: game keys to the
// rules, Back as the start button's click with everything that click does,
// and answers pressed on the open question's box by `answerOpen`.
class GameTarget final : public Target {
public:
    using AnswerOpen = void (*)(Answer answer);
    GameTarget(Game& game, AnswerOpen answerOpen) : game_(game), answerOpen_(answerOpen) {}

    void key(GameKey key) override { game_.keyDown(key); }
    void startClicked() override { buttons::click(game_, buttons::PictureButton::Start); }
    void answer(Answer answer) override { answerOpen_(answer); }

private:
    Game& game_;
    AnswerOpen answerOpen_;
};

} // namespace stackfall::gamepad
