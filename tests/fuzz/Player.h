// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Events.h"
#include "FakeWindow.h"
#include "FuzzedRandom.h"
#include "Game.h"
#include "Invariants.h"
#include "Snapshot.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace stackfall::fuzz {

// How far the runs got into the game, summed for the report at exit.
struct Reach {
    std::int64_t events = 0; // each one checked
    std::int64_t games = 0;
    std::int64_t landings = 0;
    std::int64_t rowRemovals = 0; // landings that removed rows
    std::int64_t rowsRemoved = 0;
    std::int64_t gameOvers = 0;
    std::int64_t generalTurns = 0;
    std::int64_t lineTurns = 0;
    std::int64_t stillTurns = 0; // the square and the single block: a sound only
    std::int64_t pauses = 0;
    std::int64_t restarts = 0;
    std::int64_t exits = 0;
    std::int64_t duringQuestions = 0;
    std::int64_t duringSounds = 0;

    Reach& operator+=(const Reach& other);
};

// Plays one input on a freshly loaded window and checks everything after each
// event; the first violation is printed and aborts the run.
class Player {
public:
    explicit Player(std::span<const std::uint8_t> bytes);
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void play();
    [[nodiscard]] const Reach& reach() const { return reach_; }

private:
    struct Sent {
        Event event;
        int depth;
    };

    // What an event is checked against, taken just before it is sent.
    struct Before {
        bool ended = false;
        bool gameOver = false;
        bool paused = false;
        bool questionOpen = false;
        int type = 0;
        std::int64_t clock = 0;
        std::int64_t score = 0;
        std::int64_t turnSounds = 0;
        std::int64_t newGames = 0;
        std::size_t questions = 0;
        bool asks = false; // the event must ask a question
        // Set when the event must change nothing, but for what is allowed.
        std::optional<Snapshot> unchanged;
    };

    void send(const Event& event);
    void sendChecked(const Event& event);
    [[nodiscard]] Before look(const Event& event) const;
    // What the event broke beyond the invariant checker's rules.
    [[nodiscard]] std::string outcome(const Event& event, const Before& before) const;
    void count(const Event& event, const Before& before);
    void dispatch(const Event& event);
    [[nodiscard]] Answer onQuestion(const Question& question);
    void onSound();
    [[nodiscard]] Snapshot snapshot() const;
    [[nodiscard]] bool roomForMore() const;
    [[noreturn]] void fail(const std::string& what) const;

    ByteReader in_;
    testing::FakeWindow window_;
    FuzzedRandom random_;
    Game game_{window_, random_};
    testing::InvariantChecker checker_;
    Reach reach_;

    std::optional<Event> heldForSound_;
    const Event* asking_ = nullptr; // the click whose question is open
    int depth_ = 0;                 // how many questions are open
    std::array<Sent, 16> recent_{};
    std::size_t sentCount_ = 0;
    std::int64_t eventsAfterExit_ = 0;
};

} // namespace stackfall::fuzz
