// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for XInput's DLL, built as xinput1_4.dll beside the window
// tests and put before wine's own with WINEDLLOVERRIDES=xinput1_4=n. The
// tests set what each of the four slots holds and read how often the
// program asked.
#include <windows.h>
#include <xinput.h>

namespace {

struct Slot {
    bool connected = false;
    XINPUT_STATE state{};
    LONG asked = 0;
};
Slot slots[XUSER_MAX_COUNT];

} // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    if (slot >= XUSER_MAX_COUNT || state == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    ++slots[slot].asked;
    if (!slots[slot].connected) {
        return ERROR_DEVICE_NOT_CONNECTED;
    }
    *state = slots[slot].state;
    return ERROR_SUCCESS;
}

// Plugs a pad into `slot` holding `pad`, or pulls it out (`pad` null). Each
// change is a new packet, as XInput numbers them.
__declspec(dllexport) void standInSet(DWORD slot, const XINPUT_GAMEPAD* pad) {
    Slot& s = slots[slot];
    s.connected = pad != nullptr;
    if (pad != nullptr) {
        s.state.Gamepad = *pad;
        ++s.state.dwPacketNumber;
    }
}

// How often XInputGetState was asked about `slot`.
__declspec(dllexport) LONG standInAsked(DWORD slot) {
    return slots[slot].asked;
}
}
