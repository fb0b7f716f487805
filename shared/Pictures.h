// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Layout.h"

#include <array>
#include <string_view>

// The embedded pictures, by name: assets/pictures/<name>.png, and
// <name>@2x.png where a double-resolution copy exists.
namespace stackfall::pictures {

// A picture drawn on the main window at the top left of its rectangle.
struct Placed {
    std::string_view name;
    Rect rect;
};

inline constexpr Placed SidePanel{"panel", layout::SidePanel};
inline constexpr Placed StartButton{"start", layout::StartButton};
inline constexpr Placed AboutButton{"about", layout::AboutButton};
inline constexpr Placed ExitButton{"exit", layout::ExitButton};
inline constexpr Placed PauseBanner{"pause", layout::PauseBanner};

// The program's icon, one square picture per side, smallest first.
struct IconFile {
    int side;
    std::string_view name;
};
inline constexpr std::array<IconFile, 6> IconFiles{{
    {16, "icon-16"},
    {32, "icon"},
    {48, "icon-48"},
    {64, "icon-64"},
    {128, "icon-128"},
    {256, "icon-256"},
}};

} // namespace stackfall::pictures
