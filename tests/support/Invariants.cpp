// SPDX-License-Identifier: GPL-3.0-or-later
#include "Invariants.h"

#include "PieceTable.h"

#include <algorithm>
#include <sstream>

namespace stackfall::testing {

int pieceBlocks(const GameState& state) {
    int blocks = 0;
    for (int slot = 1; slot <= field::Slots; ++slot) {
        blocks += state.pieceCells(slot) != 0 ? 1 : 0;
    }
    return blocks;
}

void InvariantChecker::before(const GameState& state, const FakeWindow& window) {
    pieceBlocks_ = state.gameOver ? 0 : pieceBlocks(state);
    soundsBefore_ = window.soundCount;
    newGamesBefore_ = window.scoreZeroWrites;
}

std::string InvariantChecker::after(const GameState& state, const FakeWindow& window) {
    std::ostringstream out;

    const std::int64_t landed =
        (window.soundCount[1] - soundsBefore_[1]) + (window.soundCount[3] - soundsBefore_[3]);
    if (window.scoreZeroWrites != newGamesBefore_) {
        started_ = true;
        blocksLanded_ = 0;
    } else {
        if (landed > 1) {
            out << "more than one landing in one event; ";
        }
        blocksLanded_ += landed * pieceBlocks_;
    }
    landings_ += landed;

    int settled = 0;
    int falling = 0;
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        const Cell c = state.cells(cell);
        settled += c == Cell::Settled ? 1 : 0;
        falling += c == Cell::Falling ? 1 : 0;
        if (window.cellFill(cell) != fillOf(c)) {
            out << "cell " << cell << " shows the wrong colour; ";
        }
    }

    if (!state.gameOver) {
        int used = 0;
        for (int slot = 1; slot <= field::Slots; ++slot) {
            const int cell = state.pieceCells(slot);
            if (cell == 0) {
                continue;
            }
            ++used;
            if (!field::isCell(cell)) {
                out << "slot " << slot << " names cell " << cell << " outside the field; ";
            } else if (state.cells(cell) != Cell::Falling) {
                out << "slot " << slot << " cell " << cell << " does not hold 2; ";
            }
            for (int other = 1; other < slot; ++other) {
                if (state.pieceCells(other) == cell) {
                    out << "slots " << other << " and " << slot << " share a cell; ";
                }
            }
        }
        if (used != falling) {
            out << falling << " cells hold 2 but the piece has " << used << " blocks; ";
        }
        if (state.currentType >= 1 && state.currentType <= pieces::TypeCount) {
            const auto& shape = pieces::Shapes[static_cast<std::size_t>(state.currentType - 1)];
            const auto blocks = std::count_if(shape.begin(), shape.end(), [](int c) { return c; });
            if (blocks != used) {
                out << "a type " << state.currentType << " piece has " << used << " blocks; ";
            }
        } else {
            out << "no current type during a game; ";
        }
    } else if (falling != 0) {
        out << falling << " cells hold 2 while no game runs; ";
    }
    if (state.paused && state.gameOver) {
        out << "paused with no game; ";
    }
    if (window.gravityEnabled != (!state.gameOver && !state.paused)) {
        out << "gravity timer " << (window.gravityEnabled ? "on" : "off")
            << " in the wrong state; ";
    }
    if (window.clockEnabled == state.gameOver) {
        out << "clock timer " << (window.clockEnabled ? "on" : "off") << " in the wrong state; ";
    }
    if (window.pauseVisible != state.paused) {
        out << "pause picture does not match the pause; ";
    }

    if (started_) {
        if (state.score % 10 != 0) {
            out << "score " << state.score << " is not a multiple of 10; ";
        }
        const std::int64_t rows = state.score / 10;
        if (settled != blocksLanded_ - 13 * rows) {
            out << settled << " settled cells, but " << blocksLanded_ << " blocks landed and "
                << rows << " rows were removed; ";
        }
        std::string shown(1, ' ');
        shown += std::to_string(state.score);
        if (window.scoreText != shown) {
            out << "score label '" << window.scoreText << "' for score " << state.score << "; ";
        }
        if (state.nextType < 1 || state.nextType > pieces::TypeCount) {
            out << "next type " << state.nextType << " out of range; ";
        } else {
            std::array<bool, 13> lit{};
            for (const int entry : pieces::Shapes[static_cast<std::size_t>(state.nextType - 1)]) {
                if (entry != 0) {
                    lit[static_cast<std::size_t>(pieces::previewCellOf(entry))] = true;
                }
            }
            for (int cell = 1; cell <= field::PreviewCells; ++cell) {
                const Rgb want =
                    lit[static_cast<std::size_t>(cell)] ? colour::PreviewLit : colour::PreviewUnlit;
                if (window.previewFill(cell) != want) {
                    out << "preview cell " << cell << " does not show type " << state.nextType
                        << "; ";
                }
            }
        }
    }
    return out.str();
}

} // namespace stackfall::testing
