// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colour.h"
#include "Rect.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <string_view>

// The shared window description in Qt's types.
namespace stackfall {

[[nodiscard]] constexpr QRect toQRect(const Rect& r) {
    return {r.x, r.y, r.width, r.height};
}
[[nodiscard]] constexpr QSize toQSize(Size s) {
    return {s.width, s.height};
}
[[nodiscard]] constexpr QColor toQColor(Rgb c) {
    return {red(c), green(c), blue(c)};
}
[[nodiscard]] inline QString toQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace stackfall
