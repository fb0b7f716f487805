#pragma once

#include "Game.h"
#include "MainWindow.h"
#include "ProgramWindows.h"
#include "QtWindowOps.h"
#include "Randoms.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <initializer_list>
#include <vector>

namespace stackfall::testing {

// The program as main() wires it, with a scripted generator, and with the
// sounds and the end of the program recorded instead of carried out.
class Harness {
public:
    // The first game deals these piece types in order.
    explicit Harness(std::initializer_list<int> types = {6, 3});

    // Clicks a picture button of the main window.
    void clickStart();
    void clickAbout();
    void clickExit();

    // Sends one key-down event to whichever widget has the focus, as a
    // keyboard would.
    static void pressKey(Qt::Key key, bool autoRepeat = false,
                         Qt::KeyboardModifiers modifiers = {});

    // The main window as it stands on screen, children included.
    [[nodiscard]] QImage grab();

    ScriptedRandom random;
    MainWindow form;
    std::vector<int> exits;  // exit codes asked for
    std::vector<int> sounds; // sound ids played
    ProgramWindows windows;
    QtWindowOps ops;
    Game game;
};

// Answers the next question box that opens while it lives, once `delayMs`
// have passed, and records what the box showed: with the button `answer`,
// or with the Escape key for NoButton. Make it before the action that asks.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(QMessageBox::StandardButton answer, int delayMs = 0);

    bool answered = false;
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
    QTimer timer_;
    QElapsedTimer clock_;
};

} // namespace stackfall::testing
