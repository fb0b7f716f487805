// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDir;

namespace stackfall::pictures {

class Output;

// Each family of pictures, written under the names the windows load them by.
void writeIcons(Output& out);
void writeButtons(Output& out);
void writePauseBanner(Output& out);
void writePanel(Output& out);
void writeGameOver(Output& out);
void writeCredits(Output& out);

// The icon containers again, from the icon's PNG files in `dir` as they are
// now: make_pictures.sh recompresses those files, then has the containers
// take the smaller bytes.
void writeIconContainers(Output& out, const QDir& dir);

} // namespace stackfall::pictures
