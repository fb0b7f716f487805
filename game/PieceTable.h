// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace stackfall::pieces {

inline constexpr int TypeCount = 9;

// Entry cells of each type by slot (0: slot unused), within columns 6 to 9
// of rows 1 and 2. Row t - 1 is type t.
inline constexpr std::array<std::array<int, 4>, TypeCount> Shapes{{
    {7, 8, 19, 20},  // 1 skew   .XX. / XX..
    {6, 7, 20, 21},  // 2 skew   XX.. / .XX.
    {6, 19, 20, 21}, // 3 hook   X... / XXX.
    {8, 19, 20, 21}, // 4 hook   ..X. / XXX.
    {7, 8, 20, 21},  // 5 square .XX. / .XX.
    {7, 19, 20, 21}, // 6 T      .X.. / XXX.
    {6, 7, 8, 9},    // 7 line   XXXX / ....
    {7, 0, 0, 0},    // 8 single .X.. / ....
    {7, 20, 21, 0},  // 9 corner .X.. / .XX.
}};

// The slot that holds the centre of rotation, 0 for none. Index t - 1 is
// type t.
inline constexpr std::array<int, TypeCount> PivotSlots{4, 3, 3, 3, 0, 3, 2, 0, 2};

inline constexpr int Square = 5;
inline constexpr int Line = 7;
inline constexpr int Single = 8;

// The entry cell of `slot` (1 to 4) of type `type` (1 to 9); 0 for a slot
// the type does not use.
[[nodiscard]] constexpr int entryCell(int type, int slot) {
    return Shapes[static_cast<std::size_t>(type - 1)][static_cast<std::size_t>(slot - 1)];
}
[[nodiscard]] constexpr int pivotSlotOf(int type) {
    return PivotSlots[static_cast<std::size_t>(type - 1)];
}

// The preview shows an entry cell c of row 2 at preview cell c - 14 and one of
// row 1 at preview cell c - 5.
[[nodiscard]] constexpr int previewCellOf(int entryCell) {
    return entryCell > 13 ? entryCell - 14 : entryCell - 5;
}

} // namespace stackfall::pieces
