// SPDX-License-Identifier: GPL-3.0-or-later
// Tells a window that it has moved to a screen of another scale, as Windows
// does when a window is dragged between two screens: wine has one scale for
// every screen, so the high-DPI test sends the message itself.
// Usage: send_dpi_change <window title> <dots per inch>
#include <cstdlib>
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    const long dpi = std::strtol(argv[2], nullptr, 10);
    if (window == nullptr || dpi <= 0 || dpi > 0xffff) {
        return 1;
    }
    // Windows suggests a rectangle on the new screen; here the window stays
    // where it is, and sizes itself for the new scale.
    RECT suggested{};
    GetWindowRect(window, &suggested);
    const auto scale = static_cast<WORD>(dpi);
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(scale, scale),
                 reinterpret_cast<LPARAM>(&suggested));
    return 0;
}
