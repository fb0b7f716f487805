// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

// Chooses, before the application object exists, how the game's windows reach
// a Wayland session. Qt 6.4 draws the title bars itself where the compositor
// draws none (GNOME, weston): in a look foreign to the desktop, with a
// maximise button the fixed window cannot honour, and through its OpenGL
// buffer support, which loads Mesa and LLVM (about 50 MB) into a game that
// draws in software only. There the game goes through XWayland, whose
// windows the compositor frames itself, when it is there. Where the
// compositor draws title bars (Plasma, sway), the game stays native and tells
// Qt to draw none. A platform the player names in QT_QPA_PLATFORM always wins.
void chooseWindowSystem();

} // namespace stackfall
