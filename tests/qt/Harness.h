// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Program.h"
#include "Randoms.h"
#include "SoundInterface.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <variant>
#include <vector>

namespace stackfall::testing {

// The program as main() builds it, with a scripted or seeded generator, and
// with the sounds and the end of the program recorded instead of carried out.
class Harness final : private SoundInterface {
public:
    // The first game deals these piece types in order.
    explicit Harness(std::initializer_list<int> types = {6, 3});
    // Pieces drawn from a seeded generator; every sound is also passed to
    // `alsoPlay`, when given.
    Harness(std::uint64_t seed, SoundInterface* alsoPlay);

    // Clicks a picture button of the main window.
    void clickStart();
    void clickAbout();
    void clickExit();
    // Gives the main window back the keyboard, as a click on it would.
    void activate();

    // Sends one key-down and key-up to whichever widget has the focus, as a
    // keyboard would.
    static void pressKey(Qt::Key key, bool autoRepeat = false,
                         Qt::KeyboardModifiers modifiers = {});

    // The main window as it stands on screen, children included.
    [[nodiscard]] QImage grab();

    // Every landing plays sound 1 or sound 3.
    [[nodiscard]] std::int64_t landings() const { return soundCount[1] + soundCount[3]; }

    std::variant<ScriptedRandom, SeededRandom> random;
    std::vector<int> exits;                   // exit codes asked for
    std::vector<int> sounds;                  // sound ids played, in order
    std::array<std::int64_t, 4> soundCount{}; // the same, counted by id 1 to 3
    Program program;
    MainWindow& mainWindow;
    ProgramWindows& windows;
    QtWindowOps& ops;
    Game& game;

private:
    Harness(std::variant<ScriptedRandom, SeededRandom> generator, SoundInterface* alsoPlay);
    // The program's sounds: recorded, then passed on.
    void play(Sound sound) override;
    void releaseIdleDevice() override {}

    SoundInterface* alsoPlay_;
};

// Answers the next question box that opens while it lives, once `delayMs`
// have passed, and records what the box showed: with the button `answer`,
// or with the Escape key for NoButton. With `dismissFirst`, it first tries
// Escape and then the box's close button, and answers only if the box is
// still open. Make it before the action that asks.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(QMessageBox::StandardButton answer, int delayMs = 0,
                              bool dismissFirst = false);

    bool answered = false;
    bool dismissed = false; // Escape or the close button took the box away
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool buttonIcons = false;

private:
    void poll();

    QMessageBox::StandardButton answer_;
    int delayMs_;
    bool dismissFirst_;
    QTimer timer_;
    QElapsedTimer clock_;
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

} // namespace stackfall::testing
