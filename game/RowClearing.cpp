// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"
#include "LabelText.h"
#include "WindowOps.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace stackfall {

void Game::showScore() {
    window_.setLabelText(Label::Score, LabelText::score(state_.score).view());
}

void Game::clearFullRows() {
    // Only the rows of the piece that has just settled can have become full.
    std::array<int, field::Slots> rows{};
    std::size_t rowCount = 0;
    for (int slot = 1; slot <= field::Slots; ++slot) {
        const int cell = state_.pieceCells(slot);
        if (cell == 0) {
            continue;
        }
        const int row = field::rowOf(cell);
        const auto listed = rows.begin() + static_cast<std::ptrdiff_t>(rowCount);
        if (std::find(rows.begin(), listed, row) == listed) {
            rows[rowCount++] = row;
        }
    }

    std::size_t fullCount = 0;
    for (std::size_t i = 0; i < rowCount; ++i) {
        const int first = field::firstCellOfRow(rows[i]);
        bool full = true;
        for (int cell = first; cell < first + field::Columns && full; ++cell) {
            full = state_.cells(cell) == Cell::Settled;
        }
        if (full) {
            rows[fullCount++] = rows[i];
        }
    }
    const auto removed = std::span(rows).first(fullCount);
    // Bottom up: highest row number first. At most four rows.
    for (std::size_t i = 1; i < removed.size(); ++i) {
        for (std::size_t j = i; j > 0 && removed[j - 1] < removed[j]; --j) {
            std::swap(removed[j - 1], removed[j]);
        }
    }

    for (const int row : removed) {
        state_.score += 10;
        showScore();
        const int first = field::firstCellOfRow(row);
        for (int cell = first; cell < first + field::Columns; ++cell) {
            setCell(cell, Cell::Empty);
        }
    }
    if (removed.empty()) {
        window_.playSound(Sound::Settled);
        return;
    }

    // Drop the rows above into the gaps, bottom up. A run of removed rows one
    // above the other is passed in one go; the drop ends after copying a row
    // without settled cells, or after copying row 1, the top of the field.
    int destination = removed.front();
    int source = destination - 1;
    std::size_t passed = 1;
    while (true) {
        while (passed < removed.size() && source == removed[passed]) {
            --source;
            ++passed;
        }
        if (source < 1) {
            break;
        }
        const int from = field::firstCellOfRow(source);
        const int to = field::firstCellOfRow(destination);
        int unsettled = 0;
        for (int column = 0; column < field::Columns; ++column) {
            const Cell moved = state_.cells(from + column);
            state_.cells(to + column) = moved;
            if (moved != Cell::Settled) {
                ++unsettled;
            }
            setCell(from + column, Cell::Empty);
            if (moved == Cell::Settled) {
                window_.setCellFill(to + column, colour::SettledBlock);
            }
        }
        if (unsettled == field::Columns || source == 1) {
            break;
        }
        --destination;
        --source;
    }
    window_.playSound(Sound::RowsRemoved);
}

} // namespace stackfall
