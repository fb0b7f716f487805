#pragma once

#include "Game.h"
#include "MainWindow.h"
#include "ProgramWindows.h"
#include "QtWindowOps.h"
#include "Randoms.h"
#include "SoundPlayer.h"

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <vector>

namespace stackfall::hardening {

// The program as main() wires it: the real windows, the real rules and, when
// asked, the real sound player. The generator is seeded so that a run can be
// replayed, and the program's end is recorded instead of carried out.
class Program {
public:
    enum class Audio { Played, Counted };

    Program(std::uint64_t seed, Audio audio);

    // Clicks a picture button of the main window with the mouse.
    void clickStart();
    void clickAbout();
    void clickExit();
    // Gives the main window back the keyboard, as a click on it would.
    void activate();

    // One key-down and key-up at the focus widget, as the keyboard sends them.
    static void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {},
                         bool autoRepeat = false);

    // Every landing plays sound 1 or sound 3.
    [[nodiscard]] std::int64_t landings() const { return sounds[1] + sounds[3]; }

    testing::SeededRandom random;
    MainWindow form;
    std::vector<int> exits;               // exit codes asked for
    std::array<std::int64_t, 4> sounds{}; // sounds asked for, by id 1 to 3
    int lastSound = 0;
    SoundPlayer module;
    ProgramWindows windows;
    QtWindowOps ops;
    Game game;

private:
    Audio audio_;
};

// Answers the next question box that opens while it lives with `button`, as
// soon as the box is up, and keeps its title.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(QMessageBox::StandardButton button);

    bool answered = false;
    QString title;

private:
    QMessageBox::StandardButton button_;
    QTimer timer_;
};

// The offscreen platform cannot raise a window and says so each time a
// picture window is shown; while this lives, those lines are dropped and
// every other message goes through.
class QuietOffscreenLimits {
public:
    QuietOffscreenLimits();
    ~QuietOffscreenLimits();
    QuietOffscreenLimits(const QuietOffscreenLimits&) = delete;
    QuietOffscreenLimits& operator=(const QuietOffscreenLimits&) = delete;
};

} // namespace stackfall::hardening
