// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace stackfall::pictures {

// The program icon at `size` pixels, a multiple of 16, with alpha.
[[nodiscard]] QImage iconImage(int size);

// The same design as scalable SVG text.
[[nodiscard]] QByteArray iconSvg();

} // namespace stackfall::pictures
