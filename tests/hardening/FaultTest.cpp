// SPDX-License-Identifier: GPL-3.0-or-later
// Faults met inside the running program: no audio device, and a flood of
// auto-repeated keys.
#include "Autoplayer.h"
#include "EmbeddedSounds.h"
#include "FakeWindow.h"
#include "GameTestAccess.h"
#include "GameTimer.h"
#include "Harness.h"
#include "Screen.h"
#include "SoundPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <random>
#include <unistd.h>

using stackfall::GameState;
using stackfall::testing::Harness;

namespace {

// Everything the process writes to standard output and standard error while
// it lives, the C library's and Qt's messages included.
class CapturedOutput {
public:
    CapturedOutput() {
        if (!file_.open()) {
            qFatal("cannot make a file for the captured output");
        }
        std::fflush(stdout);
        std::fflush(stderr);
        savedOut_ = dup(STDOUT_FILENO);
        savedErr_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDOUT_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~CapturedOutput() { restore(); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    // Ends the capture and returns what was written.
    QByteArray text() {
        restore();
        file_.seek(0);
        return file_.readAll();
    }

private:
    void restore() {
        if (savedOut_ < 0) {
            return;
        }
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(savedOut_, STDOUT_FILENO);
        dup2(savedErr_, STDERR_FILENO);
        close(savedOut_);
        close(savedErr_);
        savedOut_ = savedErr_ = -1;
    }

    QTemporaryFile file_;
    int savedOut_ = -1;
    int savedErr_ = -1;
};

// Counts the key presses that reach one widget.
class KeyCounter final : public QObject {
public:
    explicit KeyCounter(QObject* watched) : QObject(watched) { watched->installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::KeyPress) {
            ++presses;
        }
        return false;
    }
};

void setHard(Harness& program) {
    auto& bar = program.mainWindow.levelBar();
    while (bar.value() < 3) {
        bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
}

// Plays the planned keys for one piece, until it lands.
void playOnePiece(Harness& program) {
    const auto plan = stackfall::testing::choosePlan(program.game.state());
    for (int i = 0; i < plan.turns; ++i) {
        Harness::pressKey(Qt::Key_Up);
    }
    for (int i = 0; i < std::abs(plan.shift); ++i) {
        Harness::pressKey(plan.shift < 0 ? Qt::Key_Left : Qt::Key_Right);
    }
    const auto landed = program.landings();
    for (int i = 0; i < 30 && program.landings() == landed; ++i) {
        Harness::pressKey(Qt::Key_Down);
    }
}

} // namespace

class FaultTest : public QObject {
    Q_OBJECT
private slots:
    void withoutAnAudioDeviceTheGamePlaysOnInSilence();
    void aFloodOfKeyRepeatsLeavesTheBoardRightAndTheWindowResponsive();
};

void FaultTest::withoutAnAudioDeviceTheGamePlaysOnInSilence() {
    qputenv("SDL_AUDIODRIVER", "stackfall_no_such_driver");
    stackfall::SoundPlayer player(stackfall::embeddedSounds());
    Harness program(11, &player);
    setHard(program);

    QByteArray output;
    {
        CapturedOutput captured;
        program.clickStart();
        while (program.landings() < 150 || program.soundCount[3] == 0) {
            if (program.game.state().gameOver || program.landings() > 2000) {
                break;
            }
            playOnePiece(program);
        }
        output = captured.text();
    }
    qInfo("sounds asked for without a device: %lld, %lld and %lld of sounds 1, 2 and 3",
          static_cast<long long>(program.soundCount[1]),
          static_cast<long long>(program.soundCount[2]),
          static_cast<long long>(program.soundCount[3]));

    QVERIFY2(output.isEmpty(), output.constData());
    QVERIFY(!program.game.state().gameOver);
    QVERIFY(program.soundCount[1] > 0 && program.soundCount[2] > 0 && program.soundCount[3] > 0);
    // Each call still tried for a device: one that turns up is used at once.
    QVERIFY(!player.deviceOpen());
    qputenv("SDL_AUDIODRIVER", "dummy");
    player.play(static_cast<stackfall::Sound>(program.sounds.back()));
    QVERIFY(player.deviceOpen());
    const std::string wrong =
        stackfall::hardening::mismatch(stackfall::hardening::shownImage(program.mainWindow),
                                       program.mainWindow, program.game.state());
    QVERIFY2(wrong.empty(), wrong.c_str());
}

// A player who leans on the arrow keys: thousands of auto-repeated presses
// queued before the program gets to any of them. Each one acts once and in
// order: the board comes out as the same keys leave it on a copy of the
// rules. The screen shows that board, and a key pressed after the flood
// takes effect as soon as the flood is through.
void FaultTest::aFloodOfKeyRepeatsLeavesTheBoardRightAndTheWindowResponsive() {
    qputenv("SDL_AUDIODRIVER", "dummy");
    const stackfall::testing::QuietOffscreenLimits quiet;
    stackfall::SoundPlayer player(stackfall::embeddedSounds());
    Harness program(12, &player);
    setHard(program);
    program.clickStart();
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    KeyCounter counter(focus);

    // Gravity is held while the flood drains, so that the keys alone decide
    // the outcome; it must tick again afterwards.
    auto& gravity = program.mainWindow.gravityTimer();
    gravity.setEnabled(false);
    stackfall::testing::FakeWindow copyWindow;
    copyWindow.record = false;
    stackfall::testing::SeededRandom copyRandom =
        std::get<stackfall::testing::SeededRandom>(program.random);
    stackfall::Game copy(copyWindow, copyRandom);
    stackfall::GameTestAccess::state(copy) = program.game.state();
    const auto turnSounds = program.soundCount[2];

    const auto post = [&](Qt::Key key, bool repeat, bool releaseRepeats) {
        QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, key, {}, {}, repeat));
        QCoreApplication::postEvent(focus,
                                    new QKeyEvent(QEvent::KeyRelease, key, {}, {}, releaseRepeats));
        using stackfall::GameKey;
        copy.keyDown(key == Qt::Key_Left    ? GameKey::Left
                     : key == Qt::Key_Right ? GameKey::Right
                     : key == Qt::Key_Up    ? GameKey::Turn
                     : key == Qt::Key_Down  ? GameKey::Down
                                            : GameKey::Pause);
    };
    // Held keys in turn; Down held only briefly, so that the game lasts.
    constexpr std::array held{Qt::Key_Left, Qt::Key_Up,    Qt::Key_Right, Qt::Key_Up,
                              Qt::Key_Left, Qt::Key_Right, Qt::Key_Down};
    std::mt19937 rng(12);
    int flood = 0;
    while (flood < 6000) {
        const Qt::Key key =
            held[std::uniform_int_distribution<std::size_t>(0, held.size() - 1)(rng)];
        const int run = std::uniform_int_distribution(20, 200)(rng) / (key == Qt::Key_Down ? 8 : 1);
        for (int i = 0; i < run; ++i, ++flood) {
            post(key, i > 0, i + 1 < run);
        }
    }
    post(Qt::Key_F3, false, false); // the later key: pause

    QElapsedTimer clock;
    clock.start();
    while (!program.game.state().paused && clock.elapsed() < 20000) {
        QCoreApplication::processEvents();
    }
    const auto latency = clock.elapsed();
    // Back as the rules want it: off, now that the game is paused.
    gravity.setEnabled(!program.game.state().paused && !program.game.state().gameOver);
    qInfo("%d queued key repeats and the pause after them handled in %lld ms; %lld pieces "
          "landed, sound 2 started %lld times",
          flood, static_cast<long long>(latency), static_cast<long long>(program.landings()),
          static_cast<long long>(program.soundCount[2] - turnSounds));

    QVERIFY2(program.game.state().paused, "the pause after the flood was not handled");
    QVERIFY2(latency < 5000, "the flood held the window up for 5 s or more");
    QCOMPARE(counter.presses, flood + 1);
    const GameState& real = program.game.state();
    const GameState& expected = copy.state();
    QCOMPARE(QString::fromStdString(stackfall::testing::boardPicture(real)),
             QString::fromStdString(stackfall::testing::boardPicture(expected)));
    QVERIFY(real.pieceCells == expected.pieceCells);
    QCOMPARE(real.score, expected.score);
    QCOMPARE(real.nextType, expected.nextType);
    QCOMPARE(program.soundCount[2] - turnSounds, copyWindow.soundCount[2]);
    QVERIFY(program.landings() > 0);
    std::string wrong =
        stackfall::hardening::mismatch(stackfall::hardening::shownImage(program.mainWindow),
                                       program.mainWindow, program.game.state());
    QVERIFY2(wrong.empty(), wrong.c_str());

    // Still alive: resumed, gravity moves the piece again on its own timer.
    Harness::pressKey(Qt::Key_F3);
    QVERIFY(!program.game.state().paused);
    const auto cells = program.game.state().pieceCells;
    const auto landings = program.landings();
    QTRY_VERIFY_WITH_TIMEOUT(
        program.game.state().pieceCells != cells || program.landings() != landings, 2000);
    wrong = stackfall::hardening::mismatch(stackfall::hardening::shownImage(program.mainWindow),
                                           program.mainWindow, program.game.state());
    QVERIFY2(wrong.empty(), wrong.c_str());
}

QTEST_MAIN(FaultTest)
#include "FaultTest.moc"
