// SPDX-License-Identifier: GPL-3.0-or-later
#include "Player.h"

#include "Field.h"
#include "GameTestAccess.h"
#include "Levels.h"
#include "PieceTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace stackfall::fuzz {

namespace {

// Long enough for many games, short enough that the fuzzer keeps moving.
constexpr std::int64_t MaxEventsPerRun = 1 << 17;
// Questions are asked one at a time; a second level would already be a fault,
// and deeper ones only repeat it.
constexpr int MaxOpenQuestions = 2;
// A piece reaches the floor of an empty field in 22 steps.
constexpr int MaxDropTicks = 32;
// Enough to try every kind of event on the ended program.
constexpr std::int64_t MaxEventsAfterExit = 64;

constexpr std::array<std::string_view, 3> LevelNames{"Easy", "Mid", "Hard"};

bool isGameKey(GameKey key) {
    const int value = static_cast<int>(key);
    return value >= static_cast<int>(GameKey::Left) && value <= static_cast<int>(GameKey::Pause);
}

std::int64_t clockSeconds(const GameState& s) {
    return s.hours * 3600 + s.minutes * 60 + s.seconds;
}

// STACKFALL_FUZZ_TRACE=1 prints every event as it is checked: for reading a
// seed or a minimised input.
const bool Trace = std::getenv("STACKFALL_FUZZ_TRACE") != nullptr;

std::string clockText(const GameState& s) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%02lld:%02d:%02d", static_cast<long long>(s.hours),
                  s.minutes, static_cast<int>(s.seconds));
    return text.data();
}

// The falling piece stays in one piece: every block touches another side by
// side, so no block was carried round a wall into the next row.
bool pieceIsWhole(const GameState& s) {
    std::array<int, field::Slots> rows{};
    std::array<int, field::Slots> columns{};
    std::size_t n = 0;
    for (int slot = 1; slot <= field::Slots; ++slot) {
        const int cell = s.pieceCells(slot);
        if (field::isCell(cell)) {
            rows[n] = field::rowOf(cell);
            columns[n++] = field::columnOf(cell);
        }
    }
    std::array<bool, field::Slots> joined{true};
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                if (joined[i] && !joined[j] &&
                    std::abs(rows[i] - rows[j]) + std::abs(columns[i] - columns[j]) == 1) {
                    joined[j] = grew = true;
                }
            }
        }
    }
    return std::all_of(joined.begin(), joined.begin() + static_cast<std::ptrdiff_t>(n),
                       [](bool b) { return b; });
}

// The answer a click's question gets, with the boxes' default buttons.
Answer answerTo(const Event& click) {
    if (!click.defaultAnswer) {
        return click.answer;
    }
    return click.kind == EventKind::Start ? Answer::Yes : Answer::Ok;
}

} // namespace

Reach& Reach::operator+=(const Reach& o) {
    events += o.events;
    games += o.games;
    landings += o.landings;
    rowRemovals += o.rowRemovals;
    rowsRemoved += o.rowsRemoved;
    gameOvers += o.gameOvers;
    generalTurns += o.generalTurns;
    lineTurns += o.lineTurns;
    stillTurns += o.stillTurns;
    pauses += o.pauses;
    restarts += o.restarts;
    exits += o.exits;
    duringQuestions += o.duringQuestions;
    duringSounds += o.duringSounds;
    return *this;
}

Player::Player(std::span<const std::uint8_t> bytes) : in_(bytes) {
    window_.record = false;
    window_.answer = [this](const Question& q) { return onQuestion(q); };
    window_.onSound = [this](int) { onSound(); };
}

void Player::play() {
    const int firstLevel = readScroll(in_.byte(), in_);
    checker_.before(game_.state(), window_);
    game_.load();
    if (auto broken = checker_.after(game_.state(), window_); !broken.empty()) {
        fail("after load: " + broken);
    }
    send({.kind = EventKind::Level, .scroll = firstLevel});
    while (!in_.empty() && roomForMore()) {
        send(readEvent(in_));
    }
    reach_.landings = checker_.landings();
    reach_.rowRemovals = window_.soundCount[3];
    reach_.gameOvers = window_.gameOverShown;
    reach_.exits = game_.ended() ? 1 : 0;
}

bool Player::roomForMore() const {
    return reach_.events < MaxEventsPerRun && eventsAfterExit_ < MaxEventsAfterExit;
}

Snapshot Player::snapshot() const {
    return Snapshot::take(game_.state(), window_, random_);
}

void Player::send(const Event& event) {
    Event one = event;
    one.repeat = 1;
    // A paused game has its gravity timer off: the window sends no gravity tick then.
    // With no game the rules must ignore one that was already on its way.
    auto ticks = [this] { return window_.gravityEnabled || game_.state().gameOver; };
    switch (event.kind) {
    case EventKind::Value:
        random_.push(event.value);
        return;
    case EventKind::SlipIn:
        heldForSound_ = readEvent(in_);
        return;
    case EventKind::DropPiece: {
        const std::int64_t landings = checker_.landings();
        for (int i = 0; i < MaxDropTicks && checker_.landings() == landings &&
                        !game_.state().gameOver && ticks() && roomForMore();
             ++i) {
            sendChecked(one);
        }
        return;
    }
    case EventKind::GravityTick:
        for (int i = 0; i < event.repeat && ticks() && roomForMore(); ++i) {
            sendChecked(one);
        }
        return;
    default:
        for (int i = 0; i < event.repeat && roomForMore(); ++i) {
            sendChecked(one);
        }
        return;
    }
}

void Player::sendChecked(const Event& event) {
    recent_[sentCount_++ % recent_.size()] = {event, depth_};
    const Before before = look(event);
    checker_.before(game_.state(), window_);
    dispatch(event);
    const std::string broken = checker_.after(game_.state(), window_) + outcome(event, before);
    if (Trace) {
        const GameState& s = game_.state();
        std::fprintf(stderr, "%*s%-40s type %d at %d %d %d %d, score %lld%s%s\n", 2 * depth_, "",
                     describe(event).c_str(), s.currentType, s.pieceCells(1), s.pieceCells(2),
                     s.pieceCells(3), s.pieceCells(4), static_cast<long long>(s.score),
                     s.gameOver ? ", no game" : "", s.paused ? ", paused" : "");
    }
    if (!broken.empty()) {
        fail(broken);
    }
    count(event, before);
}

Player::Before Player::look(const Event& event) const {
    const GameState& s = game_.state();
    Before b{
        .ended = game_.ended(),
        .gameOver = s.gameOver,
        .paused = s.paused,
        .questionOpen = depth_ > 0,
        .type = s.currentType,
        .clock = clockSeconds(s),
        .score = s.score,
        .turnSounds = window_.soundCount[2],
        .newGames = window_.scoreZeroWrites,
        .questions = window_.questions.size(),
    };
    // Questions that must be asked: Exit always, Start only during a game;
    // never while another is open, and nothing once the program has ended.
    b.asks = !b.ended && !b.questionOpen &&
             (event.kind == EventKind::Exit || (event.kind == EventKind::Start && !b.gameOver));

    // Events that the rules refuse, or that find nothing to do, leave every
    // state and every control as it was.
    bool refused = b.ended;
    switch (event.kind) {
    case EventKind::Key:
        refused |= b.gameOver || !isGameKey(event.key) || (b.paused && event.key != GameKey::Pause);
        break;
    case EventKind::GravityTick:
    case EventKind::ClockTick:
    case EventKind::DropPiece:
        refused |= b.gameOver;
        break;
    case EventKind::Start:
        refused |=
            b.questionOpen || (b.asks && answerTo(event) != Answer::Yes && event.nested == 0);
        break;
    case EventKind::Exit:
        refused |= b.questionOpen || (answerTo(event) != Answer::Ok && event.nested == 0);
        break;
    case EventKind::About:
        refused = true; // but for the about box itself
        break;
    default:
        break;
    }
    if (refused) {
        b.unchanged = snapshot();
        b.unchanged->questions += b.asks ? 1 : 0;
        b.unchanged->aboutShown += event.kind == EventKind::About && !b.ended ? 1 : 0;
    }
    return b;
}

std::string Player::outcome(const Event& event, const Before& b) const {
    const GameState& s = game_.state();
    std::string broken;
    if (s.level < 1 || s.level > levels::Count) {
        broken += "level " + std::to_string(s.level) + " out of range; ";
    } else if (window_.gravityPeriod != levels::level(s.level).gravityPeriod) {
        broken += "gravity timer period " + std::to_string(window_.gravityPeriod) + " at level " +
                  std::to_string(s.level) + "; ";
    }
    if (!s.gameOver && !pieceIsWhole(s)) {
        broken += "the falling piece came apart; ";
    }
    if (window_.ended != game_.ended()) {
        broken += "the rules and the window disagree on whether the program ended; ";
    }
    if (b.unchanged) {
        if (const auto changed = differences(*b.unchanged, snapshot()); !changed.empty()) {
            broken +=
                (b.ended ? "changed after the program ended: " : "a refused event changed: ") +
                changed + "; ";
        }
    }
    if (event.kind == EventKind::Start || event.kind == EventKind::Exit) {
        if (window_.questions.size() - b.questions != (b.asks ? 1u : 0u)) {
            broken += b.asks ? "the click asked no question; " : "the click asked a question; ";
        }
    }
    if (b.ended) {
        return broken;
    }

    if (event.kind == EventKind::Start && !b.questionOpen) {
        const bool wanted = b.gameOver || answerTo(event) == Answer::Yes;
        const bool newGame = window_.scoreZeroWrites != b.newGames;
        if (newGame != wanted) {
            broken += wanted ? "Start began no game; " : "Start began a game unasked; ";
        } else if (newGame && (s.gameOver || s.paused || s.score != 0 || clockSeconds(s) != 0)) {
            broken += "a new game does not start running with score and clock at 0; ";
        }
    }
    if (event.kind == EventKind::Exit && !b.questionOpen &&
        game_.ended() != (answerTo(event) == Answer::Ok)) {
        broken += game_.ended() ? "Exit ended the program unasked; "
                                : "Exit answered OK did not end the program; ";
    }
    if (event.kind == EventKind::Level) {
        const int level = std::clamp(event.scroll, 1, levels::Count);
        if (s.level != level ||
            window_.levelText != LevelNames[static_cast<std::size_t>(level - 1)] ||
            window_.focus != FocusTarget::FocusKeeper) {
            broken += "the level change to " + std::to_string(event.scroll) + " gave level " +
                      std::to_string(s.level) + " '" + window_.levelText + "'; ";
        }
    }
    if (event.kind == EventKind::ClockTick && !b.gameOver) {
        if (clockSeconds(s) != b.clock + 1 || s.seconds < 0 || s.seconds > 59 || s.minutes < 0 ||
            s.minutes > 59 || window_.timeText != clockText(s)) {
            broken += "the clock shows '" + window_.timeText + "' after " +
                      std::to_string(b.clock) + " s; ";
        }
    }
    if (event.kind == EventKind::Key && event.key == GameKey::Pause && !b.gameOver &&
        s.paused == b.paused) {
        broken += "F3 did not toggle the pause; ";
    }
    return broken;
}

void Player::count(const Event& event, const Before& b) {
    const GameState& s = game_.state();
    const bool newGame = window_.scoreZeroWrites != b.newGames;
    ++reach_.events;
    eventsAfterExit_ += b.ended ? 1 : 0;
    reach_.duringQuestions += b.questionOpen ? 1 : 0;
    reach_.games += window_.scoreZeroWrites - b.newGames;
    reach_.rowsRemoved += newGame ? 0 : (s.score - b.score) / 10;
    reach_.restarts += newGame && !b.gameOver ? 1 : 0;
    if (event.kind != EventKind::Key) {
        return;
    }
    reach_.pauses += s.paused && !b.paused ? 1 : 0;
    if (window_.soundCount[2] != b.turnSounds) {
        std::int64_t& turns = b.type == pieces::Line ? reach_.lineTurns
                              : b.type == pieces::Square || b.type == pieces::Single
                                  ? reach_.stillTurns
                                  : reach_.generalTurns;
        ++turns;
    }
}

void Player::dispatch(const Event& e) {
    switch (e.kind) {
    case EventKind::Key:
        game_.keyDown(e.key);
        break;
    case EventKind::GravityTick:
    case EventKind::DropPiece:
        game_.gravityTick();
        break;
    case EventKind::ClockTick:
        game_.clockTick();
        break;
    case EventKind::Start:
    case EventKind::Exit: {
        const Event* outer = asking_;
        asking_ = &e;
        e.kind == EventKind::Start ? game_.startClicked() : game_.exitClicked();
        asking_ = outer;
        break;
    }
    case EventKind::About:
        game_.aboutClicked();
        break;
    case EventKind::Level:
        game_.levelChosen(e.scroll);
        break;
    case EventKind::Value:
        random_.push(e.value);
        break;
    case EventKind::SlipIn:
        break;
    }
}

Answer Player::onQuestion(const Question& q) {
    if (asking_ == nullptr) {
        fail("a question was asked outside a click");
    }
    const Event& click = *asking_;
    const bool restart = click.kind == EventKind::Start;
    if (q.buttons != (restart ? Buttons::YesNo : Buttons::OkCancel) ||
        q.defaultButton != (restart ? Answer::Yes : Answer::Ok)) {
        fail("the click asked the wrong question");
    }
    // The timers keep running behind the box: the events sent meanwhile are
    // checked on their own, and the click's own check starts again after them.
    if (depth_ < MaxOpenQuestions) {
        ++depth_;
        for (int i = 0; i < click.nested && !in_.empty() && roomForMore(); ++i) {
            send(readEvent(in_));
        }
        --depth_;
        checker_.before(game_.state(), window_);
    }
    return click.defaultAnswer ? q.defaultButton : click.answer;
}

void Player::onSound() {
    if (!heldForSound_) {
        return;
    }
    // Nothing may act between a landing and the next piece's entry, nor inside
    // a turn: an event slipped in while a sound starts must be refused whole.
    const Event event = *heldForSound_;
    heldForSound_.reset();
    recent_[sentCount_++ % recent_.size()] = {event, depth_ + 1};
    const Snapshot before = snapshot();
    dispatch(event);
    if (const auto changed = differences(before, snapshot()); !changed.empty()) {
        fail("an event sent inside a sound acted: " + changed);
    }
    ++reach_.events;
    ++reach_.duringSounds;
}

void Player::fail(const std::string& what) const {
    std::fprintf(stderr, "\nstackfall rules fuzzer: violation after event %lld\n  %s\n",
                 static_cast<long long>(sentCount_), what.c_str());
    std::fprintf(stderr, "last events, oldest first (indented: inside a question or a sound):\n");
    const std::size_t shown = std::min(sentCount_, recent_.size());
    for (std::size_t i = sentCount_ - shown; i < sentCount_; ++i) {
        const Sent& sent = recent_[i % recent_.size()];
        std::fprintf(stderr, "  %*s%s\n", 2 * sent.depth, "", describe(sent.event).c_str());
    }
    std::fprintf(stderr, "field (GameOver %d, paused %d, type %d, score %lld):\n%s\n",
                 game_.state().gameOver, game_.state().paused, game_.state().currentType,
                 static_cast<long long>(game_.state().score),
                 testing::boardPicture(game_.state()).c_str());
    std::abort();
}

} // namespace stackfall::fuzz
