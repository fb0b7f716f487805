// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gamepads.h"

#include "MainWindow.h"
#include "Questions.h"

#include <array>
#include <dbt.h>
#include <utility>
#include <xinput.h>

namespace stackfall {

namespace {

constexpr UINT_PTR PollTimerId = 3;
// 17 ms: at most 60 polls a second.
constexpr UINT PollPeriod = 17;

// The device interface classes of XInput's pads and of HID devices, which
// mingw-w64's headers lack.
constexpr GUID XusbInterface{
    0xEC87F1E3, 0xC13B, 0x4100, {0xB5, 0xF7, 0x8B, 0x84, 0xD5, 0x42, 0x60, 0xCB}};
// A HID device's kind: the generic desktop page's joystick, gamepad and
// multi-axis controller. XInput's pads are listed as gamepads too.
constexpr USHORT HidGenericDesktop = 0x01;
constexpr USHORT HidJoystick = 0x04;
constexpr USHORT HidGamepad = 0x05;
constexpr USHORT HidMultiAxis = 0x08;
constexpr GUID HidInterface{
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

HDEVNOTIFY notifyOf(HWND window, const GUID& interfaceClass) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = interfaceClass;
    return RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

// Windows' keyboard repeat: the delay 0 to 3, the speed 0 to 31.
gamepad::RepeatTiming keyboardRepeatTiming() {
    UINT delay = 1;
    DWORD speed = 31;
    SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    return gamepad::repeatTimingOfWindowsSettings(static_cast<int>(delay), static_cast<int>(speed));
}

} // namespace

Gamepads::Gamepads(Game& game, MainWindow& mainWindow)
    : target_(game, answerOpenQuestion), window_(mainWindow.handle()),
      input_(target_, keyboardRepeatTiming()) {
    mainWindow.attach(*this);
}

Gamepads::~Gamepads() {
    KillTimer(window_, PollTimerId);
    for (HDEVNOTIFY notification : notifications_) {
        if (notification != nullptr) {
            UnregisterDeviceNotification(notification);
        }
    }
    // XInput stays loaded until the process ends: wine's waits in its
    // unloading for a thread of its own, which can hang the program's end.
}

bool Gamepads::gameControllerListed() {
    std::array<RAWINPUTDEVICELIST, 64> devices{};
    UINT count = devices.size();
    const UINT listed = GetRawInputDeviceList(devices.data(), &count, sizeof devices[0]);
    if (listed == static_cast<UINT>(-1)) {
        return count > devices.size(); // too many to list: XInput can tell
    }
    for (UINT i = 0; i < listed; ++i) {
        RID_DEVICE_INFO info{};
        info.cbSize = sizeof info;
        UINT size = sizeof info;
        if (devices[i].dwType == RIM_TYPEHID &&
            GetRawInputDeviceInfoW(devices[i].hDevice, RIDI_DEVICEINFO, &info, &size) > 0 &&
            info.hid.usUsagePage == HidGenericDesktop &&
            (info.hid.usUsage == HidJoystick || info.hid.usUsage == HidGamepad ||
             info.hid.usUsage == HidMultiAxis)) {
            return true;
        }
    }
    return false;
}

void Gamepads::scan() {
    if (!started_) {
        started_ = true;
        notifications_ = {notifyOf(window_, XusbInterface), notifyOf(window_, HidInterface)};
        active_ = GetActiveWindow() != nullptr;
        input_.setFocused(active_);
    }
    bool connected = false;
    for (const bool c : connected_) {
        connected = connected || c;
    }
    // XInput is loaded, and asked, only once a game controller is there.
    if (!connected && !controllerListed_()) {
        return;
    }
    if (library_ == nullptr) {
        library_ = LoadLibraryW(L"xinput1_4.dll");
        if (library_ == nullptr) {
            library_ = LoadLibraryW(L"xinput9_1_0.dll");
        }
        if (library_ == nullptr) {
            return; // no pads on this machine, as far as the game can tell
        }
        getState_ = reinterpret_cast<GetState>(
            reinterpret_cast<void*>(GetProcAddress(library_, "XInputGetState")));
    }
    if (getState_ == nullptr) {
        return;
    }
    for (DWORD slot = 0; slot < Slots; ++slot) {
        read(slot, true);
    }
    pollWhileWanted();
}

// What changed on the pad in `slot` since it was last read, or all of it
// when `fresh`.
void Gamepads::read(DWORD slot, bool fresh) {
    XINPUT_STATE state{};
    if (getState_(slot, &state) != ERROR_SUCCESS) {
        if (connected_[slot]) {
            connected_[slot] = false;
            input_.unplugged(slot);
        }
        return;
    }
    if (connected_[slot] && !fresh && state.dwPacketNumber == packet_[slot]) {
        return;
    }
    connected_[slot] = true;
    packet_[slot] = state.dwPacketNumber;
    const WORD held = state.Gamepad.wButtons;
    const auto now = gamepad::Clock::now();
    input_.dpad(slot,
                gamepad::dpadDirection((held & XINPUT_GAMEPAD_DPAD_UP) != 0,
                                       (held & XINPUT_GAMEPAD_DPAD_DOWN) != 0,
                                       (held & XINPUT_GAMEPAD_DPAD_LEFT) != 0,
                                       (held & XINPUT_GAMEPAD_DPAD_RIGHT) != 0),
                now);
    // XInput's y grows upwards.
    input_.stick(slot, state.Gamepad.sThumbLX, -state.Gamepad.sThumbLY, now);
    constexpr std::array<std::pair<WORD, gamepad::Button>, 4> Buttons{{
        {XINPUT_GAMEPAD_A, gamepad::Button::South},
        {XINPUT_GAMEPAD_B, gamepad::Button::East},
        {XINPUT_GAMEPAD_START, gamepad::Button::Start},
        {XINPUT_GAMEPAD_BACK, gamepad::Button::Back},
    }};
    for (const auto& [bit, button] : Buttons) {
        input_.button(slot, button, (held & bit) != 0);
    }
}

void Gamepads::poll() {
    for (DWORD slot = 0; slot < Slots; ++slot) {
        if (connected_[slot]) {
            read(slot, false);
        }
    }
    input_.tick(gamepad::Clock::now());
    pollWhileWanted();
}

void Gamepads::pollWhileWanted() {
    bool wanted = false;
    for (const bool connected : connected_) {
        wanted = wanted || connected;
    }
    wanted = wanted && active_;
    if (wanted != polling_) {
        polling_ = wanted;
        if (wanted) {
            SetTimer(window_, PollTimerId, PollPeriod, nullptr);
        } else {
            KillTimer(window_, PollTimerId);
        }
    }
}

bool Gamepads::handle(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != PollTimerId) {
            return false;
        }
        if (polling_) {
            poll();
        }
        return true;
    case WM_DEVICECHANGE:
        if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE ||
            wParam == DBT_DEVNODES_CHANGED) {
            scan();
        }
        return false;
    case WM_ACTIVATEAPP:
        // Another program's window became active, or one of the game's.
        active_ = wParam != FALSE;
        input_.setFocused(active_);
        pollWhileWanted();
        return false;
    default:
        return false;
    }
}

} // namespace stackfall
