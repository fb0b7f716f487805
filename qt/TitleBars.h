// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

// On Wayland, Qt 6.4 draws the windows' title bars through its OpenGL
// buffer support, which loads Mesa and LLVM (about 50 MB) into a game that
// draws in software only. Where the compositor draws title bars itself, this
// tells Qt, before the application object exists, to draw none.
void leaveTitleBarsToCompositor();

} // namespace stackfall
