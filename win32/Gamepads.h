// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GamepadTarget.h"

#include <array>
#include <windows.h>

namespace stackfall {

class Game;
class MainWindow;

// The gamepads on Windows, through XInput, loaded at run time
// (xinput1_4.dll, else xinput9_1_0.dll) so that the program also starts
// where neither is, and only once Windows lists a game controller: with
// none, XInput is neither loaded nor asked. Pads are polled only while one
// is connected and one of the game's windows is active, at most 60 times a
// second; the empty slots are looked at again only when Windows reports a
// device arriving or going. The main window passes its messages through
// handle().
class Gamepads final {
public:
    Gamepads(Game& game, MainWindow& mainWindow);
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Looks at every slot: at the start, and after a device change.
    void scan();
    // Sees each of the main window's messages first: true when it was the
    // pads' own and is handled.
    bool handle(UINT message, WPARAM wParam);
    // The question whose box is open, or nullptr once it has closed.
    void setQuestion(const Question* question) { input_.setQuestion(question); }

    [[nodiscard]] bool polling() const { return polling_; }

    // Whether Windows lists a joystick or gamepad among its input devices.
    using ControllerCheck = bool (*)();
    [[nodiscard]] static bool gameControllerListed();
    void setControllerCheck(ControllerCheck check) { controllerListed_ = check; }

private:
    static constexpr DWORD Slots = 4;

    void read(DWORD slot, bool fresh);
    void poll();
    void pollWhileWanted();

    gamepad::GameTarget target_;
    HWND window_;
    gamepad::GamepadInput input_;
    HMODULE library_ = nullptr;
    using GetState = DWORD(WINAPI*)(DWORD, void*);
    GetState getState_ = nullptr;
    std::array<HDEVNOTIFY, 2> notifications_{};
    std::array<bool, Slots> connected_{};
    std::array<DWORD, Slots> packet_{};
    ControllerCheck controllerListed_ = gameControllerListed;
    bool started_ = false;
    bool active_ = false;
    bool polling_ = false;
};

} // namespace stackfall
