// SPDX-License-Identifier: GPL-3.0-or-later
// Long play on the real main window: pieces at Hard from a simple player with
// random keys mixed in, restarts answered Yes and No, level changes, the about
// box and the game-over picture. The timers' timeouts come from a simulated
// clock, so play runs as fast as the program can take it, and one seed plays
// the same game every time. After every event the screen must show the rules'
// state, and once the first pieces have warmed the caches up, memory must
// stay flat.
#include "Autoplayer.h"
#include "EmbeddedSounds.h"
#include "GameTimer.h"
#include "Harness.h"
#include "PictureWindow.h"
#include "Resident.h"
#include "Screen.h"
#include "SoundPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QPixmapCache>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using stackfall::GameState;
using stackfall::Window;
using stackfall::testing::Harness;
using stackfall::testing::QuestionAnswerer;

struct Settings {
    std::int64_t pieces = 20000;
    std::int64_t warmUpPieces = 1000;
    bool memoryCheck = true;
    std::uint64_t seed = 6;
    // Real time the player takes to answer a question.
    int answerPauseMs = 0;
};

constexpr std::int64_t AllowedGrowth = 1 << 20;
// The heap settles about 150 KiB above its size after the warm-up (in ten
// times the full soak); a leak of 64 bytes per landing adds 1.5 MiB.
constexpr std::int64_t AllowedHeapGrowth = 256 << 10;
constexpr int HardLevel = 3;
constexpr std::int64_t SampleEvery = 1000; // pieces

// What the soak did, for the report.
struct Figures {
    std::int64_t events = 0;
    std::int64_t keys = 0;
    std::int64_t ticks = 0;
    std::int64_t restarts = 0;
    std::int64_t restartsDeclined = 0;
    std::int64_t gameOvers = 0;
    std::int64_t levelChanges = 0;
    std::int64_t aboutBoxes = 0;
    std::int64_t rowsRemoved = 0;
    std::int64_t simulatedMs = 0;
    double seconds = 0;
    struct Sample {
        std::int64_t pieces;
        std::int64_t bytes;
        std::int64_t heap;
        stackfall::hardening::ResidentParts parts;
    };
    // Resident memory from the end of the warm-up on.
    std::vector<Sample> resident;

    [[nodiscard]] std::int64_t growth() const {
        return mostAbove([](const Sample& s) { return s.bytes; });
    }
    [[nodiscard]] std::int64_t heapGrowth() const {
        return mostAbove([](const Sample& s) { return s.heap; });
    }

private:
    template <typename Part>
    [[nodiscard]] std::int64_t mostAbove(Part part) const {
        std::int64_t most = 0;
        for (const Sample& s : resident) {
            most = std::max(most, part(s) - part(resident.front()));
        }
        return most;
    }
};

class Soak {
public:
    explicit Soak(const Settings& settings)
        : settings_(settings), player_(stackfall::embeddedSounds()),
          program_(settings.seed, &player_), rng_(settings.seed) {
        // The game's timers also run on the real clock and fire whenever the
        // soak spins an event loop (inside a question, or while the main
        // window becomes active again). Their own timeouts are dropped, so
        // that only the simulated clock moves the game.
        program_.mainWindow.gravityTimer().blockSignals(true);
        program_.mainWindow.clockTimer().blockSignals(true);
    }

    // Plays until the pieces have landed; stops at the first thing wrong.
    void run();

    std::string failure;
    Figures figures;

private:
    [[nodiscard]] bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    [[nodiscard]] int below(int n) { return std::uniform_int_distribution(0, n - 1)(rng_); }
    [[nodiscard]] const GameState& state() const { return program_.game.state(); }

    void tour();
    void advanceClock();
    void fire(stackfall::GameTimer& timer, const char* event);
    void act();
    void plannedKey();
    void noiseKey();
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false);
    void startAfterGameOver();
    void restart(bool yes);
    void declineExit();
    void changeLevel(int level);
    void clickPicture(Window which);
    void check(const std::string& event);
    void sampleMemory();

    Settings settings_;
    stackfall::SoundPlayer player_;
    Harness program_;
    std::mt19937_64 rng_;

    // The player's plan for the falling piece, as keys still to press.
    std::deque<Qt::Key> plan_;
    std::int64_t plannedAt_ = -1; // landings when the plan was made
    bool careless_ = false;       // drops pieces where they enter: the game soon ends
    std::int64_t restartAt_ = 0;  // landings at which this game is cut short

    // The simulated clock, and when each timer is due on it.
    std::int64_t now_ = 0;
    std::int64_t gravityDue_ = 0;
    std::int64_t clockDue_ = 0;
    bool gravityWasTicking_ = false;
    bool clockWasTicking_ = false;
    int gravityPeriod_ = 0;

    bool wasGameOver_ = true;
    std::int64_t lastScore_ = 0;
    std::deque<std::string> recent_; // the last events, for a failure's report
};

void Soak::run() {
    tour();
    QElapsedTimer wall;
    wall.start();
    std::int64_t nextSample = settings_.warmUpPieces;
    while (failure.empty() && program_.landings() < settings_.pieces) {
        advanceClock();
        if (failure.empty()) {
            act();
        }
        if (program_.landings() >= nextSample) {
            sampleMemory();
            nextSample += SampleEvery;
        }
    }
    sampleMemory();
    figures.simulatedMs = now_;
    figures.seconds = static_cast<double>(wall.elapsed()) / 1000.0;
}

// Everything the soak does now and then, once at the start, so that the
// warm-up has been down every path before memory is first measured.
void Soak::tour() {
    changeLevel(2);
    changeLevel(HardLevel);
    restart(true);
    key(Qt::Key_F3);
    key(Qt::Key_F3);
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Tab);
    }
    program_.clickAbout();
    ++figures.aboutBoxes;
    program_.activate();
    check("about box opened");
    clickPicture(Window::About);
    restart(false);
    declineExit();
    restart(true);
    careless_ = true; // to the game-over picture soon
}

// Timeouts come from a simulated clock: the player presses a key every 10 ms
// of it, and each timer fires when its period has passed there, counted
// afresh whenever it is started or its period changes, as a real one would.
void Soak::advanceClock() {
    now_ += 10;
    auto& gravity = program_.mainWindow.gravityTimer();
    auto& clock = program_.mainWindow.clockTimer();
    for (;;) {
        if (gravity.isTicking() && (!gravityWasTicking_ || gravity.interval() != gravityPeriod_)) {
            gravityDue_ = now_ + gravity.interval();
        }
        gravityWasTicking_ = gravity.isTicking();
        gravityPeriod_ = gravity.interval();
        if (clock.isTicking() && !clockWasTicking_) {
            clockDue_ = now_ + clock.interval();
        }
        clockWasTicking_ = clock.isTicking();

        if (gravityWasTicking_ && gravityDue_ <= now_ && gravityDue_ <= clockDue_) {
            gravityDue_ += gravityPeriod_;
            fire(gravity, "gravity tick");
        } else if (clockWasTicking_ && clockDue_ <= now_) {
            clockDue_ += clock.interval();
            fire(clock, "clock tick");
        } else {
            return;
        }
        if (!failure.empty()) {
            return;
        }
    }
}

void Soak::fire(stackfall::GameTimer& timer, const char* event) {
    ++figures.ticks;
    timer.blockSignals(false);
    emit timer.tick();
    timer.blockSignals(true);
    check(event);
}

void Soak::act() {
    const GameState& s = state();
    if (s.gameOver) {
        startAfterGameOver();
        return;
    }
    if (program_.landings() >= restartAt_) {
        restart(chance(0.8));
        return;
    }
    if (s.paused) {
        chance(0.3) ? key(Qt::Key_F3) : noiseKey();
        return;
    }
    if (s.level != HardLevel && chance(0.05)) {
        changeLevel(HardLevel);
    } else if (chance(0.002)) {
        changeLevel(1 + below(2));
    } else if (chance(0.0003)) {
        restart(false);
    } else if (chance(0.0001)) {
        declineExit();
    } else if (chance(0.0003)) {
        program_.clickAbout();
        ++figures.aboutBoxes;
        program_.activate();
        check("about box opened");
    } else if (program_.windows.window(Window::About) != nullptr && chance(0.01)) {
        clickPicture(Window::About);
    } else if (chance(0.04)) {
        noiseKey();
    } else {
        plannedKey();
    }
}

void Soak::plannedKey() {
    if (plannedAt_ != program_.landings()) {
        plannedAt_ = program_.landings();
        plan_.clear();
        const auto plan = careless_ ? stackfall::testing::Plan{0, below(5) - 2}
                                    : stackfall::testing::choosePlan(state());
        plan_.insert(plan_.end(), static_cast<std::size_t>(plan.turns), Qt::Key_Up);
        plan_.insert(plan_.end(), static_cast<std::size_t>(std::abs(plan.shift)),
                     plan.shift < 0 ? Qt::Key_Left : Qt::Key_Right);
    }
    if (plan_.empty()) {
        key(Qt::Key_Down);
    } else {
        const Qt::Key next = plan_.front();
        plan_.pop_front();
        key(next);
    }
}

// Keys a player might hit by mistake, held with any modifier, some of them
// auto-repeated: the game keys, pause, keys that move the focus about (Tab
// brings the level scroll bar into play) and keys that mean nothing here.
void Soak::noiseKey() {
    static constexpr std::array keys{
        Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,     Qt::Key_Left,   Qt::Key_Up,
        Qt::Key_F3,   Qt::Key_Tab,    Qt::Key_Space, Qt::Key_Return,   Qt::Key_Escape, Qt::Key_A,
        Qt::Key_F1,   Qt::Key_PageUp, Qt::Key_Home,  Qt::Key_Backspace};
    static constexpr std::array modifiers{Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    Qt::KeyboardModifiers held;
    for (const auto m : modifiers) {
        if (chance(0.1)) {
            held |= m;
        }
    }
    key(keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))], held, chance(0.3));
}

void Soak::key(Qt::Key k, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    ++figures.keys;
    Harness::pressKey(k, autoRepeat, modifiers);
    std::ostringstream name;
    name << "key " << QKeySequence(k | modifiers).toString().toStdString()
         << (autoRepeat ? " repeated" : "");
    check(name.str());
}

void Soak::startAfterGameOver() {
    if (program_.windows.window(Window::GameOver) != nullptr && chance(0.5)) {
        clickPicture(Window::GameOver);
    }
    QuestionAnswerer unexpected(QMessageBox::No);
    program_.clickStart();
    if (unexpected.answered) {
        failure = "Start after game over asked a question";
        return;
    }
    careless_ = chance(0.3);
    restartAt_ = program_.landings() + 20 + below(400);
    program_.activate();
    check("start after game over");
}

void Soak::restart(bool yes) {
    const bool running = !state().gameOver;
    QuestionAnswerer answer(yes ? QMessageBox::Yes : QMessageBox::No, settings_.answerPauseMs);
    program_.clickStart();
    if (running && answer.title != QStringLiteral("God Warning !!!")) {
        failure = "Start during a game did not ask to restart";
        return;
    }
    if (running) {
        ++(yes ? figures.restarts : figures.restartsDeclined);
    }
    if (yes) {
        careless_ = chance(0.3);
        restartAt_ = program_.landings() + 20 + below(400);
    }
    program_.activate();
    check(yes ? "restart" : "restart declined");
}

void Soak::declineExit() {
    QuestionAnswerer answer(QMessageBox::Cancel, settings_.answerPauseMs);
    program_.clickExit();
    if (!answer.answered || !program_.exits.empty() || program_.game.ended()) {
        failure = "Exit answered Cancel ended the program";
        return;
    }
    program_.activate();
    check("exit declined");
}

// Through the scroll bar's arrows, as the player changes the level.
void Soak::changeLevel(int level) {
    auto& bar = program_.mainWindow.levelBar();
    while (bar.value() != level) {
        bar.triggerAction(bar.value() < level ? QAbstractSlider::SliderSingleStepAdd
                                              : QAbstractSlider::SliderSingleStepSub);
        ++figures.levelChanges;
        check("level change");
    }
}

void Soak::clickPicture(Window which) {
    auto* picture = program_.windows.window(which);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 20));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (program_.windows.window(which) != nullptr) {
        failure = "a click did not close the picture window";
    }
    program_.activate();
    check("picture closed");
}

void Soak::check(const std::string& event) {
    ++figures.events;
    // The harness logs every sound for the tests that read them in order;
    // the soak counts landings only, and hours of that log would grow the heap.
    program_.sounds.clear();
    recent_.push_back(event);
    if (recent_.size() > 10) {
        recent_.pop_front();
    }
    if (!failure.empty()) {
        return;
    }
    std::string wrong = stackfall::hardening::mismatch(
        stackfall::hardening::shownImage(program_.mainWindow), program_.mainWindow, state());
    if (state().gameOver && !wasGameOver_) {
        ++figures.gameOvers;
        const auto* picture = program_.windows.window(Window::GameOver);
        if (picture == nullptr || !picture->isVisible()) {
            wrong += "the game ended without showing the game-over picture; ";
        }
    }
    wasGameOver_ = state().gameOver;
    if (state().score > lastScore_) {
        figures.rowsRemoved += (state().score - lastScore_) / 10;
    }
    lastScore_ = state().score;
    if (!wrong.empty()) {
        std::ostringstream out;
        out << "after event " << figures.events << ", piece " << program_.landings() << ": "
            << wrong << "\nthe last events:";
        for (const std::string& e : recent_) {
            out << "\n  " << e;
        }
        failure = out.str();
    }
}

// Taken with the picture windows closed, so that every sample counts the
// same windows: the game-over picture alone holds about 1 MiB of pixels.
void Soak::sampleMemory() {
    for (const Window w : {Window::GameOver, Window::About}) {
        if (failure.empty() && program_.windows.window(w) != nullptr) {
            clickPicture(w);
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    stackfall::hardening::returnFreeMemory();
    figures.resident.push_back({program_.landings(), stackfall::hardening::residentBytes(),
                                stackfall::hardening::heapInUseBytes(),
                                stackfall::hardening::residentParts()});
}

Settings settings;

void report(const Figures& f) {
    const std::int64_t pieces = f.resident.empty() ? 0 : f.resident.back().pieces;
    qInfo("soak: %lld pieces, %lld events checked on screen, in %.1f s (%.1f h of play)",
          static_cast<long long>(pieces), static_cast<long long>(f.events), f.seconds,
          static_cast<double>(f.simulatedMs) / 3.6e6);
    qInfo("soak: %lld rows removed, %lld keys, %lld timer ticks, %lld restarts and %lld "
          "declined, %lld game overs, %lld level steps, %lld about boxes",
          static_cast<long long>(f.rowsRemoved), static_cast<long long>(f.keys),
          static_cast<long long>(f.ticks), static_cast<long long>(f.restarts),
          static_cast<long long>(f.restartsDeclined), static_cast<long long>(f.gameOvers),
          static_cast<long long>(f.levelChanges), static_cast<long long>(f.aboutBoxes));
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void longPlayKeepsTheScreenRightAndMemoryFlat();
    void oneSeedPlaysOneGame();
};

void SoakTest::longPlayKeepsTheScreenRightAndMemoryFlat() {
    const stackfall::testing::QuietOffscreenLimits quiet;
    Soak soak(settings);
    soak.run();
    const Figures& f = soak.figures;
    report(f);
    QString samples;
    for (const Figures::Sample& s : f.resident) {
        samples += QStringLiteral(" %1:%2/%3/%4/%5/%6")
                       .arg(s.pieces)
                       .arg(s.bytes / 1024)
                       .arg(s.parts.anonymous / 1024)
                       .arg(s.parts.file / 1024)
                       .arg(s.parts.shared / 1024)
                       .arg(s.heap / 1024);
    }
    qInfo("soak: resident/anonymous/file/shared/heap KiB by pieces played:%s", qPrintable(samples));
    qInfo("soak: largest growth after the first %lld pieces: %lld KiB resident, %lld KiB heap",
          static_cast<long long>(settings.warmUpPieces), static_cast<long long>(f.growth() / 1024),
          static_cast<long long>(f.heapGrowth() / 1024));

    QVERIFY2(soak.failure.empty(), soak.failure.c_str());
    QVERIFY(!f.resident.empty() && f.resident.back().pieces >= settings.pieces);
    QVERIFY(f.rowsRemoved > 0 && f.restarts > 0 && f.restartsDeclined > 0 && f.gameOvers > 0 &&
            f.aboutBoxes > 0);
    if (settings.memoryCheck) {
        QVERIFY(f.resident.size() >= 2);
        QVERIFY2(f.growth() < AllowedGrowth,
                 "resident memory grew by 1 MiB or more after the warm-up");
        QVERIFY2(f.heapGrowth() < AllowedHeapGrowth,
                 "the heap grew by 256 KiB or more after the warm-up");
    }
}

// A failure the soak finds can be played again: the same seed checks the
// same events. Each question waits longer than a gravity period at Hard, as
// a player would, so that a timer that went by the real clock would show.
void SoakTest::oneSeedPlaysOneGame() {
    const stackfall::testing::QuietOffscreenLimits quiet;
    Settings repeat = settings;
    repeat.memoryCheck = false;
    repeat.answerPauseMs = 75;
    std::array<Figures, 2> runs;
    for (Figures& f : runs) {
        Soak soak(repeat);
        soak.run();
        QVERIFY2(soak.failure.empty(), soak.failure.c_str());
        f = soak.figures;
        report(f);
    }
    QVERIFY(runs[0].restarts + runs[0].restartsDeclined > 0);
    QCOMPARE(runs[1].events, runs[0].events);
    QCOMPARE(runs[1].keys, runs[0].keys);
    QCOMPARE(runs[1].ticks, runs[0].ticks);
    QCOMPARE(runs[1].rowsRemoved, runs[0].rowsRemoved);
    QCOMPARE(runs[1].gameOvers, runs[0].gameOvers);
    QCOMPARE(runs[1].simulatedMs, runs[0].simulatedMs);
}

// Takes --pieces=N and --no-memory-check before Qt Test's own arguments.
int main(int argc, char* argv[]) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--pieces=", 0) == 0) {
            settings.pieces = std::stoll(arg.substr(9));
        } else if (arg == "--no-memory-check") {
            settings.memoryCheck = false;
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    QApplication app(restCount, rest.data());
    // As the program's start-up has it: the style's drawings are not cached.
    QPixmapCache::setCacheLimit(0);
    SoakTest test;
    return QTest::qExec(&test, restCount, rest.data());
}

#include "SoakTest.moc"
