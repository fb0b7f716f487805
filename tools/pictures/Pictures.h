// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall::pictures {

class Output;

// Each family of pictures, written under the names the windows load them by.
void writeIcons(Output& out);
void writeButtons(Output& out);
void writePauseBanner(Output& out);
void writePanel(Output& out);
void writeGameOver(Output& out);
void writeCredits(Output& out);

} // namespace stackfall::pictures
