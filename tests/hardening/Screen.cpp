// SPDX-License-Identifier: GPL-3.0-or-later
#include "Screen.h"

#include "CaptionBox.h"
#include "Cell.h"
#include "GameState.h"
#include "GameTimer.h"
#include "Geometry.h"
#include "Layout.h"
#include "Levels.h"
#include "MainWindow.h"
#include "PieceTable.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <array>
#include <sstream>

namespace stackfall::hardening {

namespace {

Rgb pixelAt(const QImage& image, QPoint p) {
    const QRgb c = image.pixel(p);
    return rgb(static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
               static_cast<std::uint8_t>(qBlue(c)));
}

std::string hex(Rgb c) {
    std::ostringstream out;
    out << std::hex << c;
    return out.str();
}

const char* levelName(int level) {
    static constexpr std::array<const char*, 3> names{"Easy", "Mid", "Hard"};
    return level >= 1 && level <= 3 ? names[static_cast<std::size_t>(level - 1)] : "?";
}

// Points of the pause banner, in the banner's own coordinates, and the
// banner itself, to compare them with.
constexpr std::array<QPoint, 4> BannerPoints{{{30, 20}, {65, 35}, {100, 50}, {10, 35}}};

const QImage& banner() {
    static const QImage image =
        QImage(QStringLiteral(":/pictures/pause.png")).convertToFormat(QImage::Format_RGB32);
    return image;
}

} // namespace

QImage shownImage(QWidget& window) {
    // What the event loop would deliver before the next input: repaints and
    // closed windows' deletion. Timers are not posted events, so none fires
    // here to change the game between the picture and its state. All types
    // at once, as the loop does: only then does Qt drop the delivered events
    // from its queue, which otherwise grows by one slot per event ever posted.
    QCoreApplication::sendPostedEvents();
    QScreen* screen = window.screen();
    if (screen == nullptr) {
        return {};
    }
    return screen->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

std::string mismatch(const QImage& shown, const MainWindow& mainWindow, const GameState& state) {
    std::ostringstream out;
    if (shown.size() != toQSize(layout::ClientSize)) {
        out << "the window shows " << shown.width() << "x" << shown.height() << " pixels; ";
        return out.str();
    }

    const bool paused = mainWindow.surface().pauseVisible();
    if (paused != state.paused) {
        out << "pause banner " << (paused ? "shown" : "hidden") << " while "
            << (state.paused ? "paused" : "not paused") << "; ";
    }
    for (const QPoint p : BannerPoints) {
        const Rgb want = pixelAt(banner(), p);
        const Rgb got = pixelAt(shown, toQRect(layout::PauseBanner).topLeft() + p);
        if (paused && got != want) {
            out << "pause banner not drawn at " << p.x() << "," << p.y() << "; ";
        }
    }

    for (int cell = 1; cell <= field::CellCount; ++cell) {
        const QPoint centre = toQRect(layout::cellRect(cell)).center();
        if (paused && toQRect(layout::PauseBanner).contains(centre)) {
            continue; // under the banner
        }
        const Cell code = state.cells(cell);
        const Rgb got = pixelAt(shown, centre);
        if (got != fillOf(code)) {
            out << "cell " << cell << " shows " << hex(got) << " for state "
                << static_cast<int>(code) << "; ";
        }
    }

    // The rules' own account: exactly the falling piece's cells hold 2.
    int falling = 0;
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        falling += state.cells(cell) == Cell::Falling ? 1 : 0;
    }
    int blocks = 0;
    if (!state.gameOver) {
        for (int slot = 1; slot <= 4; ++slot) {
            const int cell = state.pieceCells(slot);
            if (cell == 0) {
                continue;
            }
            ++blocks;
            if (cell < 1 || cell > field::CellCount || state.cells(cell) != Cell::Falling) {
                out << "slot " << slot << " names cell " << cell << ", not a falling block; ";
            }
        }
    }
    if (falling != blocks) {
        out << falling << " cells hold 2 for a piece of " << blocks << " blocks; ";
    }

    std::array<bool, field::PreviewCells + 1> lit{};
    if (state.nextType >= 1 && state.nextType <= pieces::TypeCount) {
        for (const int entry : pieces::Shapes[static_cast<std::size_t>(state.nextType - 1)]) {
            if (entry != 0) {
                lit[static_cast<std::size_t>(pieces::previewCellOf(entry))] = true;
            }
        }
    }
    for (int cell = 1; cell <= field::PreviewCells; ++cell) {
        const Rgb want =
            lit[static_cast<std::size_t>(cell)] ? colour::PreviewLit : colour::PreviewUnlit;
        const Rgb got = pixelAt(shown, toQRect(layout::previewRect(cell)).center());
        if (got != want) {
            out << "preview cell " << cell << " shows " << hex(got) << " for next type "
                << state.nextType << "; ";
        }
    }

    // Before the first game the score box keeps its design caption.
    if (state.nextType != 0) {
        const QString want = QStringLiteral(" %1").arg(state.score);
        if (mainWindow.scorePanel().text() != want) {
            out << "score box shows '" << mainWindow.scorePanel().text().toStdString() << "' for "
                << state.score << "; ";
        }
    }
    if (mainWindow.surface().levelText() != levelName(state.level)) {
        out << "level name '" << mainWindow.surface().levelText() << "' for level " << state.level
            << "; ";
    }

    const bool running = !state.gameOver && !state.paused;
    if (mainWindow.gravityTimer().isTicking() != running) {
        out << "gravity timer " << (running ? "stopped" : "ticking") << "; ";
    }
    if (mainWindow.clockTimer().isTicking() == state.gameOver) {
        out << "clock timer " << (state.gameOver ? "ticking" : "stopped") << "; ";
    }
    if (mainWindow.gravityTimer().interval() != levels::level(state.level).gravityPeriod) {
        out << "gravity period " << mainWindow.gravityTimer().interval() << " at level "
            << state.level << "; ";
    }
    return out.str();
}

} // namespace stackfall::hardening
