// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall::field {

// Cells are numbered 1 to 299 row by row from the top left, 13 to a row, so
// the cell below n is n + 13 and n mod 13 tells the column: 1 is the left
// wall, 0 the right wall.
inline constexpr int Columns = 13;
inline constexpr int Rows = 23;
inline constexpr int CellCount = Columns * Rows;                 // 299
inline constexpr int FirstBottomCell = (Rows - 1) * Columns + 1; // 287
inline constexpr int BorderSegments = 76;                        // the grey ring, numbered 0 to 75
inline constexpr int PreviewCells = 12;                          // the next-piece preview, 1 to 12
inline constexpr int Slots = 4;

[[nodiscard]] constexpr int rowOf(int cell) {
    return (cell - 1) / Columns + 1;
}
[[nodiscard]] constexpr int columnOf(int cell) {
    return (cell - 1) % Columns + 1;
}
[[nodiscard]] constexpr int cellAt(int row, int column) {
    return (row - 1) * Columns + column;
}
[[nodiscard]] constexpr int firstCellOfRow(int row) {
    return cellAt(row, 1);
}
[[nodiscard]] constexpr bool inBottomRow(int cell) {
    return cell >= FirstBottomCell;
}
[[nodiscard]] constexpr bool inTopRow(int cell) {
    return cell <= Columns;
}
[[nodiscard]] constexpr bool isCell(int cell) {
    return cell >= 1 && cell <= CellCount;
}

} // namespace stackfall::field
