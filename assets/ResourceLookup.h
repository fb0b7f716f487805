#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace stackfall {

// The bytes of an embedded resource by type name and numeric id, as the game
// asks for its sounds ("sounds", 1 to 3). The type matches without regard to
// case. An unknown resource gives an empty span. The bytes live as long as
// the program.
[[nodiscard]] std::span<const std::byte> embeddedResource(std::string_view type, int id);

} // namespace stackfall
