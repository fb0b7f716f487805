// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTestAccess.h"

#include "PieceTable.h"

#include <stdexcept>

namespace stackfall {

void GameTestAccess::setBoard(Game& game, std::string_view picture) {
    int cell = 1;
    for (const char c : picture) {
        if (c == ' ' || c == '\n') {
            continue;
        }
        if (cell > field::CellCount) {
            throw std::invalid_argument("board picture has more than 299 cells");
        }
        switch (c) {
        case '.':
            game.setCell(cell, Cell::Empty);
            break;
        case '#':
            game.setCell(cell, Cell::Settled);
            break;
        case 'o':
            game.setCell(cell, Cell::Falling);
            break;
        default:
            throw std::invalid_argument("board picture holds an unknown character");
        }
        ++cell;
    }
    if (cell != field::CellCount + 1) {
        throw std::invalid_argument("board picture has fewer than 299 cells");
    }
}

void GameTestAccess::placePiece(Game& game, int type, std::array<int, 4> cells) {
    auto& s = game.state_;
    s.currentType = type;
    s.pivotSlot = pieces::pivotSlotOf(type);
    for (int slot = 1; slot <= field::Slots; ++slot) {
        const int cell = cells[static_cast<std::size_t>(slot - 1)];
        s.pieceCells(slot) = cell;
        if (cell != 0) {
            game.setCell(cell, Cell::Falling);
        }
    }
}

namespace testing {

std::string boardPicture(const GameState& state) {
    std::string text;
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        switch (state.cells(cell)) {
        case Cell::Empty:
            text += '.';
            break;
        case Cell::Settled:
            text += '#';
            break;
        case Cell::Falling:
            text += 'o';
            break;
        }
        if (field::columnOf(cell) == field::Columns) {
            text += '\n';
        }
    }
    return text;
}

} // namespace testing
} // namespace stackfall
