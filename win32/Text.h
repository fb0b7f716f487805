// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace stackfall {

// The game's texts are UTF-8; Windows takes UTF-16.
[[nodiscard]] std::wstring wide(std::string_view text);

} // namespace stackfall
