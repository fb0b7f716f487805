// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Game.h"

namespace stackfall {

// Marks the rules as busy for the length of one event, so that nothing the
// event calls out to can slip another event in.
class Game::Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
};

} // namespace stackfall
